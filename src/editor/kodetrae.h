#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QString>
#include <functional>

// What a node of the structure tree knows of its tag.
struct TData {
    int Index = 0;     // position of the tag's "<" in the text, as the editor counts
    quint8 TagEnd = 0; // 0 start tag still open; 1 closed, without end tag, or matched end
                       // tag; 3 end tag that matched no open start tag
    QString AttrListe; // the start tag's attribute names, each followed by a space
};

// The namespace an element of a page lies in: HTML, or SVG inside <svg>, MathML inside <math>.
enum class Navnerum : quint8 { Html, Svg, MathML };

// The structure tree of a page: the root "Hjemmeside" and one node per tag read. A node shows
// its tag word ("p", "/p") followed by what the last check said of it. The nodes lie in one
// flat list, so a page of deeply nested elements costs no recursion to build or free.
class Kodetrae : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit Kodetrae(QObject* parent = nullptr);

    // Around a rebuild: views forget the old nodes at the start and see the new ones at the end.
    void begynd();
    void afslut();
    // Empties the tree; with `medRod` the root "Hjemmeside" is added again.
    void ryd(bool medRod);
    // Room for this many nodes, so that a big page is not copied as its tree grows.
    void reserver(qsizetype antal) { m_knuder.reserve(antal); }
    // Adds a node as the last child of `foraelder`; its number.
    int tilfoej(int foraelder, const QString& ord, const TData& data,
                Navnerum rum = Navnerum::Html);

    // Nodes are numbered in the order they were added; the root is 0.
    int antal() const { return int(m_knuder.size()); }
    const QString& ord(int knude) const { return m_knuder[knude].ord; }
    QString tekst(int knude) const;
    const TData& data(int knude) const { return m_knuder[knude].data; }
    void setTagEnd(int knude, quint8 tagEnd) { m_knuder[knude].data.TagEnd = tagEnd; }
    Navnerum rum(int knude) const { return m_knuder[knude].rum; }
    int foraelder(int knude) const { return m_knuder[knude].foraelder; }
    int dybde(int knude) const { return m_knuder[knude].dybde; }
    const QList<int>& boern(int knude) const { return m_knuder[knude].boern; }
    // Sets what a check says of a node, shown after its tag word; noterSkiftet() tells the views.
    void setNote(int knude, const QString& note) { m_knuder[knude].note = note; }
    void noterSkiftet();
    // Every node after the root in display order: a node, its children, its next sibling.
    void forHverKnude(const std::function<void(int)>& besoeg) const;

    QModelIndex indexAf(int knude) const;
    // The node of an index; -1 for an invalid one.
    int knudeAf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Knude {
        QString ord;
        QString note;
        TData data;
        int foraelder = -1;
        int raekke = 0;
        int dybde = 0;
        Navnerum rum = Navnerum::Html;
        QList<int> boern;
    };
    QList<Knude> m_knuder;
};
