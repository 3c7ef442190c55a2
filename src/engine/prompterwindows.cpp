#include "prompterwindows.h"

#include "platform/platform.h"

bool PrompterWindows::bekraeft(const Bekraeftelse& spm) {
    return Platform::prompter().question(spm.question);
}

bool PrompterWindows::spoerg(const QStringList& lines) {
    return Platform::prompter().question(lines.join(QLatin1Char('\n')));
}

int PrompterWindows::filerEksisterer(const QStringList&) {
    return 0; // "Overskriv ingen"
}
