#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class MainOptions;

// Starts files, programs, scripts and the file manager for the main window, and turns
// every failed start into its message. Reaches the main window only through what it is
// given here.
class Launcher {
public:
    using TextHandler = std::function<void(const QString&)>;

    // `openFilIEditor` opens a file in a document window, `info` writes the status panel.
    Launcher(const MainOptions& opt, TextHandler openFilIEditor, TextHandler info);

    void ErrorInfo(int Nr) const;
    // Starts the file, or edits it when `forRedigering`.
    void OpenFil(const QString& aFilnavn, bool forRedigering) const;
    // Starts the program (a logical path, or a bare name on the search path) with the files
    // as its arguments: each file one argument, as its host path, whatever its name holds.
    void OpenFilMedProgram(const QString& aProgram, const QStringList& filer) const;
    // Runs a script by logical path. A ".vbs" script runs as the POSIX script of the same
    // base name with ".sh", by /bin/sh; each parameter is one argument.
    void runScript(const QString& script, const QStringList& parameters) const;
    // Opens the settings page of an applet, named by its script ("lyd.vbs"), in the
    // desktop's own settings program; no such program installed is a file not found.
    void runApplets(const QString& aFilename) const;
    // "Kopier sti": the path box's text to the clipboard.
    void CopyPath(const QString& pathBoxText) const;
    // "Kopier filnavn": the selected file (empty when none) to the clipboard.
    void CopyFilnavn(const QString& filnavn) const;
    // Shows the folder in the desktop's file manager; a failure is not reported.
    void OpenAktuelleMappe(const QString& grundmappe) const;

private:
    // A program by logical path (a document there opens with its program) or by bare name.
    static int execute(const QString& program, const QStringList& arguments,
                       const QString& workingFolder);
    static int runBatch(const QString& aFilnavn);
    bool htmlProgramExists() const;
    void report(int result) const;

    const MainOptions& m_opt;
    TextHandler m_openFilIEditor;
    TextHandler m_info;
};
