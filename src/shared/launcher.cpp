#include "launcher.h"
#include "engine/grundmetoder.h"
#include "mainoptions.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/settingsprograms.h"
#include "statustekster.h"

#include <utility>

Launcher::Launcher(const MainOptions& opt, TextHandler openFilIEditor, TextHandler info)
    : m_opt(opt), m_openFilIEditor(std::move(openFilIEditor)), m_info(std::move(info)) {}

void Launcher::ErrorInfo(int Nr) const {
    Platform::prompter().message(StatusTekster::ErrorTekst(Nr), MessageKind::Information);
}

void Launcher::report(int result) const {
    if (!ShellResult::succeeded(result))
        ErrorInfo(result);
}

int Launcher::execute(const QString& program, const QStringList& arguments,
                      const QString& workingFolder) {
    Shell& shell = Platform::shell();
    return LogicalPath::hasDrive(program)
               ? shell.open(program, ShellVerb::Open, arguments, workingFolder)
               : shell.startProgram(program, arguments, workingFolder);
}

// The batch file runs in a terminal whose shell stays open afterwards, as a console that
// was told to keep itself open. The shell reads it from the file's own folder. Without a
// terminal nothing can run it: that is a file type without a program.
int Launcher::runBatch(const QString& aFilnavn) {
    const QStringList arguments = {QStringLiteral("-e"), QStringLiteral("bash"),
                                   QStringLiteral("--rcfile"),
                                   LogicalPath::lastComponent(aFilnavn)};
    const int result = Platform::shell().startProgram(QStringLiteral("x-terminal-emulator"),
                                                      arguments, LogicalPath::parent(aFilnavn));
    return result == ShellResult::FileNotFound ? ShellResult::NoAssociation : result;
}

bool Launcher::htmlProgramExists() const {
    const QString& program = m_opt.HtmlProgram;
    return !program.isEmpty() && Platform::files().exists(program) &&
           !Platform::files().isFolder(program);
}

void Launcher::OpenFil(const QString& aFilnavn, bool forRedigering) const {
    const QString e = LogicalPath::extension(aFilnavn).toLower();
    const bool tekstfil = TGrundMetoder::erDetEnTekstfil(e);
    const QString folder = LogicalPath::parent(aFilnavn);
    if (forRedigering && e == QLatin1String(".html") && htmlProgramExists()) {
        // The program is a host program and cannot read a logical path, so it gets the
        // file's name and starts in the file's folder.
        report(execute(m_opt.HtmlProgram, {LogicalPath::lastComponent(aFilnavn)}, folder));
        return;
    }
    if (forRedigering && m_opt.openTekstFiler && tekstfil) {
        m_openFilIEditor(aFilnavn);
        return;
    }
    int result;
    if (forRedigering)
        result = Platform::shell().open(aFilnavn, ShellVerb::Edit, {}, folder);
    else if (e == QLatin1String(".bat"))
        result = runBatch(aFilnavn);
    else
        result = Platform::shell().open(aFilnavn, ShellVerb::Open, {}, folder);
    if (ShellResult::succeeded(result))
        return;
    if (result == ShellResult::NoAssociation && tekstfil && m_opt.openTekstFiler)
        m_openFilIEditor(aFilnavn);
    else
        ErrorInfo(result);
}

void Launcher::OpenFilMedProgram(const QString& aProgram, const QStringList& filer) const {
    // A host program cannot read the program's drive letters.
    QStringList arguments;
    for (const QString& fil : filer) {
        const std::optional<QString> host = Platform::hostPath(fil);
        if (!host) {
            ErrorInfo(ShellResult::PathNotFound);
            return;
        }
        arguments.append(*host);
    }
    report(execute(aProgram, arguments, {}));
}

void Launcher::runScript(const QString& script, const QStringList& parameters) const {
    QString path = script;
    if (LogicalPath::extension(path).compare(QLatin1String(".vbs"), Qt::CaseInsensitive) == 0)
        path = path.left(path.size() - 4) + QStringLiteral(".sh");
    report(Platform::files().exists(path)
               ? Platform::shell().runScript(path, parameters, LogicalPath::parent(path))
               : ShellResult::FileNotFound);
}

void Launcher::runApplets(const QString& aFilename) const {
    const int result = SettingsPrograms::start(aFilename);
    if (result == SettingsPrograms::NoEquivalent)
        Platform::prompter().message(
            QStringLiteral("Der findes ikke noget tilsvarende til denne indstilling på dette "
                           "system."),
            MessageKind::Information);
    else
        report(result);
}

void Launcher::CopyPath(const QString& pathBoxText) const {
    Platform::clipboard().setText(pathBoxText);
    m_info(QStringLiteral("Stien blev kopieret til klipbordet"));
}

void Launcher::CopyFilnavn(const QString& filnavn) const {
    if (filnavn.isEmpty()) {
        m_info(QStringLiteral("Der er ikke valgt en fil."));
        return;
    }
    Platform::clipboard().setText(filnavn);
    m_info(QStringLiteral("Stien og filnavnet blev kopieret til klipbordet"));
}

void Launcher::OpenAktuelleMappe(const QString& grundmappe) const {
    Platform::shell().open(grundmappe, ShellVerb::Open, {}, {});
}
