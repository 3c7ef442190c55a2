#pragma once

#include <QTextBrowser>
#include <optional>

// The page view of the information viewer: a QTextBrowser that reads its pages, pictures and
// style sheets through the platform's file system by logical path, and runs no scripts.
// Pages come only from the topic's info folder, pictures and style sheets only from the
// topic's folder: what lies outside them, by "..", by an absolute path or through a link on
// the disk, is never read. Links are not followed by the view itself; its owner decides.
class InfoBrowser : public QTextBrowser {
    Q_OBJECT

public:
    // Where a page name or address leads.
    enum class Side {
        Fundet,  // an existing page of the info folder
        Udenfor, // outside the info folder: refused
        Mangler  // inside it, but there is no such file
    };

    explicit InfoBrowser(QWidget* parent = nullptr);

    // The topic's folder and its info folder, logical paths without trailing backslashes.
    void setMapper(const QString& emnemappe, const QString& infomappe);
    const QString& infomappe() const { return m_infomappe; }

    // The page a name relative to the info folder stands for ("side.html",
    // "Design og funktioner\side.html"; slashes count as backslashes), in `sti`.
    Side find(const QString& navn, QString& sti) const;
    // The same for a logical path.
    Side tjek(const QString& sti) const;
    // A path inside the info folder as a name relative to it; empty for any other path.
    QString sidenavn(const QString& sti) const;

    // Shows a page found by find() or tjek(), scrolled to the anchor when one is given; false
    // when it could not be read (the view is then empty).
    bool visSide(const QString& sti, const QString& anker = {});
    // Empties the view.
    void tom();
    // The logical path of the page shown, empty when none is.
    const QString& side() const { return m_side; }

    // The address the view uses for a logical path, and back (nullopt for any address that
    // is not one of the view's own, such as a web or file address).
    static QUrl url(const QString& sti);
    static std::optional<QString> sti(const QUrl& url);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // True when the path lies below the folder, by its logical parts alone.
    static bool erUnder(const QString& sti, const QString& mappe);
    // True when the path is an existing file that lies in the folder, links followed.
    static bool iMappe(const QString& sti, const QString& mappe);

    QString m_emnemappe;
    QString m_infomappe;
    QString m_side;
};
