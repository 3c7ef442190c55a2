#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The spelling of VBScript's keywords, functions and script-host objects (the node texts of
// the script topic "VBS.txt"), and where a text spells them otherwise. Only VBScript code counts:
// all of a ".vbs" file; in other documents the script elements whose language or type names
// VBScript and, in server pages, the
// "<% %>" blocks unless the page declares another language. Strings, comments and every
// other script are left as typed.
class VbsStavning {
public:
    struct Rettelse {
        qsizetype pos;
        QString ord; // the word as it should be spelt, as long as the one it replaces
    };

    // The words as they are spelt; a text that is no word never matches.
    explicit VbsStavning(const QStringList& ord);
    // The words to respell in `tekst`, a document with extension `ext` (".vbs", ".wsf",
    // ".asp", ".html" ...), in text order.
    QList<Rettelse> rettelser(const QString& tekst, const QString& ext) const;

private:
    void ret(const QString& tekst, qsizetype fra, qsizetype til, QList<Rettelse>& ud) const;

    QHash<QString, QString> m_stavning; // lower case -> spelling
};
