#include "filinfoopslag.h"

#include "tools/filinfoform.h"

void FilInfoOpslag::visFil(const FilEgenskaber& fil) {
    m_window->visFil(fil);
}

void FilInfoOpslag::visDrev(const DrevEgenskaber& drev) {
    m_window->visDrev(drev);
}

void FilInfoOpslag::visMappe(const MappeEgenskaber& mappe) {
    m_window->visMappe(mappe);
}

void FilInfoOpslag::visMappeTaelling(const QString& size, const QString& indhold) {
    m_window->visMappeTaelling(size, indhold);
}

bool FilInfoOpslag::erVist() const {
    return m_window.made() && m_window.made()->erVist();
}

void FilInfoOpslag::luk() {
    if (Tfilinfoform* window = m_window.made())
        window->luk();
}
