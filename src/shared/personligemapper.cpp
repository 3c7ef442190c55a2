#include "personligemapper.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"

namespace {

QString hvisMappe(const std::optional<QString>& folder) {
    return folder && Platform::files().isFolder(*folder) ? *folder : QString();
}

} // namespace

std::array<QString, PersonligeMapper::Antal> PersonligeMapper::standard() {
    const SpecialFolders& system = Platform::specialFolders();
    const std::optional<QString> home = system.path(SpecialFolder::Profile);
    return {hvisMappe(system.path(SpecialFolder::Desktop)),
            hvisMappe(system.path(SpecialFolder::Documents)),
            hvisMappe(system.path(SpecialFolder::Pictures)),
            hvisMappe(system.path(SpecialFolder::Music)),
            hvisMappe(system.path(SpecialFolder::Videos)),
            hvisMappe(system.path(SpecialFolder::Favorites)),
            home ? hvisMappe(LogicalPath::join(*home, QStringLiteral("OneDrive"))) : QString(),
            home ? hvisMappe(LogicalPath::join(*home, QStringLiteral("Contacts"))) : QString()};
}

void PersonligeMapper::hent(const QString& filnavn) {
    stier = standard();
    QStringList lines;
    if (!Platform::files().exists(filnavn) || !TextFile::read(filnavn, lines))
        return;
    for (int i = 0; i < Antal && i < lines.size(); ++i)
        stier[i] = lines.at(i).trimmed();
}

bool PersonligeMapper::gem(const QString& filnavn) const {
    return TextFile::write(filnavn, QStringList(stier.begin(), stier.end())).ok();
}
