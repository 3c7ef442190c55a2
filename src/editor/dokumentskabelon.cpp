#include "dokumentskabelon.h"

namespace {

QStringList hjemmeside() {
    return {QStringLiteral("<!DOCTYPE html>"),
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title></title>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QString(),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}

} // namespace

DokumentSkabelon::Skabelon DokumentSkabelon::af(const QString& ext) {
    if (ext == QLatin1String(".html"))
        return {hjemmeside(), 5};
    if (ext == QLatin1String(".asp"))
        return {QStringList{QStringLiteral("<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>")} +
                    hjemmeside(),
                6};
    if (ext == QLatin1String(".wsf"))
        return {{QStringLiteral("<job id=\"\">"), QStringLiteral("<script language=\"VBScript\">"),
                 QString(), QStringLiteral("</script>"), QStringLiteral("</job>")},
                1};
    if (ext == QLatin1String(".asa")) {
        QStringList linjer = {QStringLiteral("<SCRIPT LANGUAGE=VBScript RUNAT=Server>"), QString()};
        for (const char* sub :
             {"Application_OnStart", "Application_OnEnd", "Session_OnStart", "Session_OnEnd"})
            linjer << QStringLiteral("Sub ") + QLatin1String(sub)
                   << QStringLiteral("Application.Lock") << QString()
                   << QStringLiteral("Application.UnLock") << QStringLiteral("End Sub")
                   << QString();
        linjer << QStringLiteral("</SCRIPT>");
        return {linjer, 3};
    }
    return {};
}
