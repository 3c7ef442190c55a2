#include "struktur.h"
#include "strukturnode.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QPainter>
#include <QPainterPath>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A load reports at most this many problems; the rest are only counted.
constexpr int kShownProblems = 5;

bool isIndent(QChar c) {
    return c == QLatin1Char('\t') || c == QLatin1Char(' ');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A text as one line of a file: line breaks become blanks.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// A node text that reads back as written: leading blanks would count as indentation.
QString nodeText(const QString& text) {
    QString line = oneLine(text);
    qsizetype start = 0;
    while (start < line.size() && isIndent(line.at(start)))
        ++start;
    return line.mid(start);
}

// The key a page address names: its file name without folder and extension.
QString keyOf(const QString& dataUrl) {
    qsizetype cut = -1;
    for (const QChar delimiter : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':')})
        cut = std::max(cut, dataUrl.lastIndexOf(delimiter));
    const QString name = dataUrl.mid(cut + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

bool isExistingFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const auto info = Platform::files().info(path);
    return info && (info->isFile() ||
                    (info->kind == EntryKind::Link && info->linkTarget == EntryKind::File));
}

bool isSameOrBelow(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor) {
    for (; node; node = node->parent())
        if (node == ancestor)
            return true;
    return false;
}

int depthOf(const QTreeWidgetItem* node) {
    int depth = 0;
    for (node = node->parent(); node; node = node->parent())
        ++depth;
    return depth;
}

QList<QTreeWidgetItem*> subtreeOf(QTreeWidgetItem* node) {
    QList<QTreeWidgetItem*> nodes;
    QList<QTreeWidgetItem*> pending{node};
    while (!pending.isEmpty()) {
        QTreeWidgetItem* next = pending.takeLast();
        nodes.append(next);
        for (int i = next->childCount() - 1; i >= 0; --i)
            pending.append(next->child(i));
    }
    return nodes;
}

bool writeLines(const QString& path, const QStringList& lines, TextEncoding encoding) {
    if (TextFile::write(path, lines, encoding))
        return true;
    Platform::prompter().message(QStringLiteral("Filen \"%1\" kunne ikke gemmes.").arg(path),
                                 MessageKind::Error);
    return false;
}

// Draws one of the standard node images on a 16 by 16 canvas.
void paintImage(QPainter& p, int index) {
    const QColor ink(60, 60, 60);
    const QColor paper(250, 250, 245);
    p.setPen(QPen(ink, 1));
    auto page = [&](const QColor& fill) {
        QPainterPath sheet;
        sheet.moveTo(3.5, 1.5);
        sheet.lineTo(9.5, 1.5);
        sheet.lineTo(12.5, 4.5);
        sheet.lineTo(12.5, 14.5);
        sheet.lineTo(3.5, 14.5);
        sheet.closeSubpath();
        p.setBrush(fill);
        p.drawPath(sheet);
        p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
        p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
    };
    switch (index) {
    case 0: // closed book
        p.setBrush(QColor(50, 90, 170));
        p.drawRoundedRect(QRectF(3.5, 1.5, 9, 13), 1, 1);
        p.setPen(QPen(paper, 1));
        p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 13.5));
        break;
    case 1: // open book
        p.setBrush(paper);
        p.drawPolygon(QPolygonF({{1.5, 3.5}, {7.5, 4.5}, {7.5, 13.5}, {1.5, 12.5}}));
        p.drawPolygon(QPolygonF({{14.5, 3.5}, {8.5, 4.5}, {8.5, 13.5}, {14.5, 12.5}}));
        p.setPen(QPen(QColor(50, 90, 170), 1));
        p.drawLine(QPointF(3, 7), QPointF(6, 7.5));
        p.drawLine(QPointF(10, 7.5), QPointF(13, 7));
        break;
    case 2: // blank page
        page(paper);
        break;
    case 3: // page of text
        page(paper);
        for (qreal y = 6.5; y < 14; y += 2)
            p.drawLine(QPointF(5, y), QPointF(11, y));
        break;
    case 4: // folder
        p.setBrush(QColor(235, 190, 70));
        p.drawPolygon(
            QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {8, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
        break;
    case 5: // page of code
        page(QColor(225, 245, 225));
        p.setPen(QPen(QColor(30, 120, 50), 1.2));
        p.drawPolyline(QPolygonF({{7, 7}, {5, 9.5}, {7, 12}}));
        p.drawPolyline(QPolygonF({{9, 7}, {11, 9.5}, {9, 12}}));
        break;
    case 6: // picture
        p.setBrush(QColor(200, 225, 250));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(70, 150, 70));
        p.drawPolygon(QPolygonF({{2, 13}, {6.5, 7}, {10, 11}, {12, 9}, {14, 13}}));
        break;
    case 7: // question
        p.setBrush(QColor(60, 130, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 1.6));
        p.drawArc(QRectF(5.5, 4, 5, 4.5), 180 * 16, -240 * 16);
        p.drawLine(QPointF(8, 8.5), QPointF(8, 10));
        p.drawPoint(QPointF(8, 12));
        break;
    case 8: { // star
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 ? 3 : 7;
            const qreal a = M_PI / 2 + i * M_PI / 5;
            star << QPointF(8 + r * std::cos(a), 8.5 - r * std::sin(a));
        }
        p.setBrush(QColor(240, 200, 40));
        p.drawPolygon(star);
        break;
    }
    default: // bullet
        p.setBrush(QColor(150, 150, 150));
        p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
        break;
    }
}

} // namespace

TStruktur::TStruktur(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Nodes move only through MusDown and MusUp, which place them by Flytmode.
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setImages(standardImages());
}

QList<QIcon> TStruktur::standardImages() {
    QList<QIcon> images;
    for (int index = 0; index < 10; ++index) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paintImage(painter, index);
        painter.end();
        images.append(QIcon(pixmap));
    }
    return images;
}

void TStruktur::setImages(const QList<QIcon>& images) {
    m_images = images;
    for (QTreeWidgetItem* node : allNodes())
        setNodeImage(node, TStrukturNode::imageIndex(node));
}

void TStruktur::setNodeImage(QTreeWidgetItem* node, int index) const {
    TStrukturNode::setImageIndex(node, index);
    node->setIcon(0, index >= 0 && index < m_images.size() ? m_images.at(index) : QIcon());
}

QList<QTreeWidgetItem*> TStruktur::allNodes() const {
    QList<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur*>(this)); *it; ++it)
        nodes.append(*it);
    return nodes;
}

QTreeWidgetItem* TStruktur::selectedNode() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

bool TStruktur::HentStruktur() {
    endDrag();
    if (!isExistingFile(m_strukturfile)) {
        clear();
        return false;
    }
    QStringList treeLines;
    TextEncoding treeEncoding = TextEncoding::Windows1252;
    std::optional<QStringList> dataLines;
    TextEncoding dataEncoding = TextEncoding::Windows1252;
    QString unreadable;
    if (!TextFile::read(m_strukturfile, treeLines, &treeEncoding)) {
        unreadable = m_strukturfile;
    } else if (m_dataOn && isExistingFile(m_datafile)) {
        dataLines.emplace();
        if (!TextFile::read(m_datafile, *dataLines, &dataEncoding))
            unreadable = m_datafile;
    }
    if (!unreadable.isEmpty()) {
        clear();
        Platform::prompter().message(
            QStringLiteral("Filen \"%1\" kunne ikke læses.").arg(unreadable), MessageKind::Error);
        return false;
    }
    m_treeEncoding = treeEncoding;
    m_dataEncoding = dataEncoding;
    return hentFraLinjer(treeLines, dataLines);
}

bool TStruktur::hentFraLinjer(const QStringList& treeLines,
                              const std::optional<QStringList>& dataLines) {
    endDrag();
    clear();
    QStringList problems;

    // The tree is built detached and handed to the view at once.
    QList<QTreeWidgetItem*> order;
    QList<QTreeWidgetItem*> topLevel;
    std::vector<QTreeWidgetItem*> path; // path[d]: the latest node at depth d
    for (const QString& line : treeLines) {
        qsizetype indent = 0;
        while (indent < line.size() && isIndent(line.at(indent)))
            ++indent;
        if (indent == line.size())
            continue; // a blank line holds no node
        auto* node = new TStrukturNode(line.mid(indent));
        size_t depth = path.empty() ? 0 : size_t(indent);
        if (depth > path.size()) {
            problems.append(QStringLiteral("Punktet \"%1\" står på niveau %2, mere end ét "
                                           "niveau under punktet før. Det er sat ind ét "
                                           "niveau under.")
                                .arg(node->text(0), QString::number(indent)));
            depth = path.size();
        }
        if (depth == 0)
            topLevel.append(node);
        else
            path[depth - 1]->addChild(node);
        path.resize(depth);
        path.push_back(node);
        order.append(node);
    }
    if (m_dataOn && !dataLines && order.isEmpty())
        return false; // nothing to give defaults to, and no data file to read

    for (qsizetype i = 0; i < order.size(); ++i) {
        QTreeWidgetItem* node = order.at(i);
        int image = -1;
        if (m_dataOn) {
            // A node without a data line keeps no data; a save writes "0" for it.
            image = 0;
            if (!dataLines) {
                TStrukturNode::setNodeData(node, QStringLiteral("0") + node->text(0));
            } else if (i < dataLines->size()) {
                const QString& line = dataLines->at(i);
                if (line.isEmpty()) {
                    problems.append(QStringLiteral("Linje %1 i datafilen er tom.").arg(i + 1));
                } else {
                    TStrukturNode::setNodeData(node, line);
                    if (isDigit(line.at(0)))
                        image = line.at(0).digitValue();
                    else
                        problems.append(
                            QStringLiteral("Linje %1 i datafilen begynder ikke med et ciffer: "
                                           "\"%2\".")
                                .arg(i + 1)
                                .arg(line));
                }
            }
        }
        setNodeImage(node, image);
    }
    if (m_dataOn && dataLines && dataLines->size() < order.size())
        problems.append(QStringLiteral("Datafilen har kun data til %1 af strukturens %2 "
                                       "punkter. De øvrige punkter har ingen data.")
                            .arg(dataLines->size())
                            .arg(order.size()));
    addTopLevelItems(topLevel);
    viewport()->update();

    // A tree that had to be mended differs from its files.
    m_modified = !problems.isEmpty();
    if (problems.isEmpty())
        return true;
    const qsizetype more = problems.size() - kShownProblems;
    if (more > 0) {
        problems.resize(kShownProblems);
        problems.append(QStringLiteral("... og %1 fejl mere.").arg(more));
    }
    problems.prepend(QStringLiteral("Fejl i strukturen \"%1\":").arg(m_strukturfile));
    Platform::prompter().message(problems.join(QLatin1Char('\n')), MessageKind::Error);
    return false;
}

QStringList TStruktur::strukturLinjer() const {
    QStringList lines;
    for (const QTreeWidgetItem* node : allNodes())
        lines.append(QString(depthOf(node), QLatin1Char('\t')) + node->text(0));
    return lines;
}

QStringList TStruktur::dataLinjer() const {
    QStringList lines;
    for (const QTreeWidgetItem* node : allNodes())
        lines.append(TStrukturNode::nodeData(node).value_or(QStringLiteral("0")));
    return lines;
}

bool TStruktur::GemStruktur() {
    if (m_strukturfile.isEmpty() || (m_dataOn && m_datafile.isEmpty()))
        return false;
    if (m_dataOn && !writeLines(m_datafile, dataLinjer(), m_dataEncoding))
        return false;
    if (!writeLines(m_strukturfile, strukturLinjer(), m_treeEncoding))
        return false;
    m_modified = false;
    return true;
}

void TStruktur::attach(QTreeWidgetItem* node, QTreeWidgetItem* reference, TNodeAttachMode mode) {
    QTreeWidgetItem* parent = reference->parent();
    const auto insertAt = [&](int index) {
        if (parent)
            parent->insertChild(index, node);
        else
            insertTopLevelItem(index, node);
    };
    switch (mode) {
    case naAdd:
        insertAt(parent ? parent->childCount() : topLevelItemCount());
        break;
    case naAddFirst:
        insertAt(0);
        break;
    case naAddChild:
        reference->addChild(node);
        break;
    case naAddChildFirst:
        reference->insertChild(0, node);
        break;
    case naInsert:
        insertAt(parent ? parent->indexOfChild(reference) : indexOfTopLevelItem(reference));
        break;
    }
}

void TStruktur::moveNode(QTreeWidgetItem* node, QTreeWidgetItem* reference, TNodeAttachMode mode) {
    // Taking a node out of the view forgets which of its nodes were expanded and current.
    QList<QTreeWidgetItem*> expanded;
    for (QTreeWidgetItem* inside : subtreeOf(node))
        if (inside->isExpanded())
            expanded.append(inside);
    QTreeWidgetItem* current = currentItem();
    const bool currentInside = current && isSameOrBelow(current, node);

    if (QTreeWidgetItem* parent = node->parent())
        parent->removeChild(node);
    else
        takeTopLevelItem(indexOfTopLevelItem(node));
    attach(node, reference, mode);

    for (QTreeWidgetItem* inside : expanded)
        inside->setExpanded(true);
    if (currentInside)
        setCurrentItem(current);
}

bool TStruktur::NyNode(const QString& Tekst, const QString& Data, int Index, bool sorter,
                       bool gem) {
    const QString text = nodeText(Tekst);
    if (text.isEmpty() || (m_dataOn && (Index < 0 || Index > 9)))
        return false;
    auto* node = new TStrukturNode(text);
    if (topLevelItemCount() == 0) {
        addTopLevelItem(node);
    } else {
        QTreeWidgetItem* reference = selectedNode();
        attach(node, reference ? reference : topLevelItem(0), m_flytmode);
    }
    applyDataAndFinish(node, Data, Index, sorter, gem);
    return true;
}

bool TStruktur::RedigerNode(const QString& Tekst, const QString& Data, int Index, bool sorter,
                            bool gem) {
    const QString text = nodeText(Tekst);
    QTreeWidgetItem* node = selectedNode();
    if (text.isEmpty() || !node || (m_dataOn && (Index < 0 || Index > 9)))
        return false;
    node->setText(0, text);
    applyDataAndFinish(node, Data, Index, sorter, gem);
    return true;
}

void TStruktur::applyDataAndFinish(QTreeWidgetItem* node, const QString& Data, int Index,
                                   bool sorter, bool gem) {
    if (m_dataOn) {
        TStrukturNode::setNodeData(node, QString::number(Index) + oneLine(Data));
        setNodeImage(node, Index);
    } else {
        setNodeImage(node, -1);
    }
    // Set first, so a failed save leaves the tree marked as changed.
    m_modified = true;
    if (sorter)
        sortItems(0, Qt::AscendingOrder);
    else if (gem)
        GemStruktur();
}

QString TStruktur::pagePath(const QTreeWidgetItem* node) const {
    if (!TStrukturNode::nodeData(node))
        return {};
    const QString key = TStrukturNode::key(node);
    // Only a plain name is a page of the info folder; a key with a folder part could
    // otherwise reach files anywhere.
    if (key.isEmpty() || key.contains(QLatin1Char('\\')) || key.contains(QLatin1Char('/')) ||
        key.contains(QLatin1Char(':')))
        return {};
    return m_infomappe + key + QStringLiteral(".html");
}

void TStruktur::SletNode() {
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    QList<QTreeWidgetItem*> owners;
    for (int i = 0; i < node->childCount(); ++i)
        owners.append(node->child(i));
    owners.append(node);
    QStringList kept;
    for (const QTreeWidgetItem* owner : owners) {
        const QString page = pagePath(owner);
        if (isExistingFile(page) && !FileDeleteRB(page))
            kept.append(page);
    }
    endDrag();
    delete node;
    m_modified = true;
    if (!kept.isEmpty())
        Platform::prompter().message(
            QStringLiteral("Disse sider kunne ikke flyttes til papirkurven:\n") +
                kept.join(QLatin1Char('\n')),
            MessageKind::Error);
}

bool TStruktur::FileDeleteRB(const QString& AFileName) {
    return isExistingFile(AFileName) && Platform::recycleBin().moveToTrash(AFileName).ok();
}

QTreeWidgetItem* TStruktur::findByKey(const QString& DataUrl) const {
    const QString key = keyOf(DataUrl);
    if (!m_dataOn || key.isEmpty())
        return nullptr;
    for (QTreeWidgetItem* node : allNodes())
        if (TStrukturNode::nodeData(node) && TStrukturNode::key(node) == key)
            return node;
    return nullptr;
}

bool TStruktur::setSelected(const QString& DataUrl) {
    QTreeWidgetItem* node = findByKey(DataUrl);
    if (!node || node->isSelected())
        return false;
    setCurrentItem(node);
    return true;
}

QString TStruktur::getNodeTekst(const QString& DataUrl) {
    QTreeWidgetItem* node = findByKey(DataUrl);
    if (!node)
        return {};
    if (!node->isSelected())
        setCurrentItem(node);
    return node->text(0);
}

QString TStruktur::SelectedData() const {
    const QTreeWidgetItem* node = selectedNode();
    if (!m_dataOn || !node || !TStrukturNode::nodeData(node))
        return {};
    return TStrukturNode::key(node);
}

QString TStruktur::InfoFilnavn(const QString& Filefternavn) const {
    const QTreeWidgetItem* node = selectedNode();
    if (!node)
        return {};
    const QString parentText = node->parent() ? node->parent()->text(0) : QString();
    return LogicalPath::join(m_infomappe,
                             parentText + node->text(0) + QLatin1Char('.') + Filefternavn);
}

int TStruktur::getTheSelectedIndex() const {
    const QTreeWidgetItem* node = selectedNode();
    return node ? int(allNodes().indexOf(node)) : -1;
}

void TStruktur::MusDown(int X, int Y) {
    if (m_mouseDown) {
        endDrag();
        return;
    }
    QTreeWidgetItem* node = itemAt(X, Y);
    m_nodeDown = node ? QPersistentModelIndex(indexFromItem(node)) : QPersistentModelIndex();
    if (node && node != topLevelItem(0)) {
        m_mouseDown = true;
        viewport()->setCursor(Qt::PointingHandCursor);
    }
}

bool TStruktur::MusUp(int X, int Y, bool somGrundnode) {
    if (!m_mouseDown)
        return false;
    QTreeWidgetItem* nodeDown = itemFromIndex(m_nodeDown);
    endDrag();
    QTreeWidgetItem* nodeUp = itemAt(X, Y);
    if (!nodeDown || !nodeUp)
        return false;
    QTreeWidgetItem* reference = somGrundnode ? topLevelItem(0) : nodeUp;
    // Placing a node next to or inside its own subtree would cut that subtree loose.
    if (isSameOrBelow(nodeUp, nodeDown) || isSameOrBelow(reference, nodeDown))
        return false;
    moveNode(nodeDown, reference, somGrundnode ? naInsert : m_flytmode);
    m_modified = true;
    return true;
}

void TStruktur::endDrag() {
    m_mouseDown = false;
    m_nodeDown = QPersistentModelIndex();
    viewport()->unsetCursor();
}
