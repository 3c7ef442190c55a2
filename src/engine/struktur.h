#pragma once

#include "platform/textfile.h"

#include <QIcon>
#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <optional>

// A tree control whose nodes live in two text files. The tree file holds one line per node
// in display order, indented by one TAB per level; the data file holds the matching data
// string of every node (an image digit and the key of the node's page, "0" for a node
// without data). The control loads and saves both, adds, changes, deletes and drags nodes,
// and finds nodes by key. The owner feeds MusDown and MusUp from its mouse events.
class TStruktur : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(QString Strukturfile READ strukturfile WRITE setStrukturfile)
    Q_PROPERTY(QString Datafile READ datafile WRITE setDatafile)
    Q_PROPERTY(QString Infomappe READ infomappe WRITE setInfomappe)
    Q_PROPERTY(QString Billedmappe READ billedmappe WRITE setBilledmappe)
    Q_PROPERTY(QString Htmlmappe READ htmlmappe WRITE setHtmlmappe)
    Q_PROPERTY(bool DataOn READ dataOn WRITE setDataOn)
    Q_PROPERTY(bool Modified READ modified WRITE setModified)
    Q_PROPERTY(TNodeAttachMode Flytmode READ flytmode WRITE setFlytmode)

public:
    // Where new and dragged nodes go relative to the reference node.
    enum TNodeAttachMode {
        naAdd,           // last sibling
        naAddFirst,      // first sibling
        naAddChild,      // last child
        naAddChildFirst, // first child
        naInsert         // sibling just before it
    };
    Q_ENUM(TNodeAttachMode)

    explicit TStruktur(QWidget* parent = nullptr);

    const QString& strukturfile() const { return m_strukturfile; }
    void setStrukturfile(const QString& path) { m_strukturfile = path; }
    const QString& datafile() const { return m_datafile; }
    void setDatafile(const QString& path) { m_datafile = path; }
    // Folder of the pages the keys name, with a trailing backslash.
    const QString& infomappe() const { return m_infomappe; }
    void setInfomappe(const QString& folder) { m_infomappe = folder; }
    // Kept for the owner; the control itself does not use them.
    const QString& billedmappe() const { return m_billedmappe; }
    void setBilledmappe(const QString& folder) { m_billedmappe = folder; }
    const QString& htmlmappe() const { return m_htmlmappe; }
    void setHtmlmappe(const QString& folder) { m_htmlmappe = folder; }
    bool dataOn() const { return m_dataOn; }
    void setDataOn(bool on) { m_dataOn = on; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    TNodeAttachMode flytmode() const { return m_flytmode; }
    void setFlytmode(TNodeAttachMode mode) { m_flytmode = mode; }

    // The images the nodes show, by image index. The control starts with its own ten.
    void setImages(const QList<QIcon>& images);
    const QList<QIcon>& images() const { return m_images; }
    static QList<QIcon> standardImages();

    // Loads the nodes from the tree file and, with DataOn, their data from the data file
    // (a missing data file gives every node the data "0" + its text, in memory only).
    // False when the tree file is missing or unreadable, when with DataOn an empty tree has
    // no data file, or when the files were not in order; in the last case every node found
    // is kept, the problems are reported and the tree counts as modified.
    bool HentStruktur();
    // Replaces all nodes by those of the given tree-file lines and, with DataOn, gives them
    // the data lines (nullopt: there is no data file). Reports what was not in order.
    bool hentFraLinjer(const QStringList& treeLines, const std::optional<QStringList>& dataLines);
    // Writes the tree file and, with DataOn, the data file. False, writing nothing, when a
    // needed file name is empty; false with a message when a file cannot be written.
    bool GemStruktur();
    // The lines the two files would hold.
    QStringList strukturLinjer() const;
    QStringList dataLinjer() const;

    // Adds a node placed by Flytmode next to the selected node (the first node when none is
    // selected). With DataOn its data string is Index followed by Data. Then sorts all
    // nodes (sorter), or saves (gem), or just marks the tree modified. False when nothing
    // was added: an empty text, or with DataOn an Index outside 0-9.
    bool NyNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem);
    // The same for the selected node's text and data.
    bool RedigerNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem);
    // Deletes the selected node with its subtree, moving the pages of the node and of its
    // direct children to the recycle bin.
    void SletNode();

    // Key of the selected node, empty when there is none or it has no data.
    QString SelectedData() const;
    // Selects the first node (display order) whose key is the file name of DataUrl without
    // folder and extension; false when none matches or it was selected already.
    bool setSelected(const QString& DataUrl);
    // Text of that node (selecting it); empty when none matches.
    QString getNodeTekst(const QString& DataUrl);
    // Infomappe + the parent's text + the selected node's text + "." + Filefternavn;
    // empty without a selected node.
    QString InfoFilnavn(const QString& Filefternavn) const;
    // Display position of the selected node, -1 when no node is selected.
    int getTheSelectedIndex() const;

    // Starts a drag of the node at the point (viewport coordinates), or cancels the drag
    // under way. The tree's first node cannot be dragged.
    void MusDown(int X, int Y);
    // Drops the dragged node: before the tree's first node (somGrundnode), else placed by
    // Flytmode relative to the node at the point. True when the node was moved; a drop on
    // the dragged node itself or inside its own subtree is refused.
    bool MusUp(int X, int Y, bool somGrundnode);

    // Moves one existing file to the recycle bin.
    static bool FileDeleteRB(const QString& AFileName);

    // Every node in display order (a node, its children, then its next sibling).
    QList<QTreeWidgetItem*> allNodes() const;
    QTreeWidgetItem* selectedNode() const;

private:
    void setNodeImage(QTreeWidgetItem* node, int index) const;
    void applyDataAndFinish(QTreeWidgetItem* node, const QString& Data, int Index, bool sorter,
                            bool gem);
    void attach(QTreeWidgetItem* node, QTreeWidgetItem* reference, TNodeAttachMode mode);
    void moveNode(QTreeWidgetItem* node, QTreeWidgetItem* reference, TNodeAttachMode mode);
    QTreeWidgetItem* findByKey(const QString& DataUrl) const;
    QString pagePath(const QTreeWidgetItem* node) const;
    void endDrag();

    QString m_strukturfile;
    QString m_datafile;
    QString m_infomappe;
    QString m_billedmappe;
    QString m_htmlmappe;
    bool m_dataOn = false;
    bool m_modified = false;
    TNodeAttachMode m_flytmode = naAdd;
    TextEncoding m_treeEncoding = TextEncoding::Windows1252;
    TextEncoding m_dataEncoding = TextEncoding::Windows1252;
    QList<QIcon> m_images;

    bool m_mouseDown = false;
    QPersistentModelIndex m_nodeDown; // persistent, so a deleted node is never dropped
};
