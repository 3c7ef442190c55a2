#pragma once

#include "engine/filinfovisning.h"
#include "shared/lazywindow.h"

class Tfilinfoform;

// The file information window as the engine sees it, before and after the window is made:
// showing something makes it, while asking whether it is open or closing it does not.
class FilInfoOpslag : public FilInfoVisning {
public:
    explicit FilInfoOpslag(LazyWindow<Tfilinfoform>& window) : m_window(window) {}

    void visFil(const FilEgenskaber& fil) override;
    void visDrev(const DrevEgenskaber& drev) override;
    void visMappe(const MappeEgenskaber& mappe) override;
    void visMappeTaelling(const QString& size, const QString& indhold) override;
    bool erVist() const override;
    void luk() override;

private:
    LazyWindow<Tfilinfoform>& m_window;
};
