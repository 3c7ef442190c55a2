#include "mainoptions.h"
#include "filtal.h"

#include <array>
#include <variant>

namespace {

using Member = std::variant<QString MainOptions::*, int MainOptions::*, bool MainOptions::*>;

// The file's lines in order.
const std::array<Member, MainOptions::LineCount>& layout() {
    using O = MainOptions;
    static const std::array<Member, MainOptions::LineCount> members = {
        &O::designName,        &O::formTop,           &O::formLeft,         &O::formWidth,
        &O::formHeight,        &O::MusikHeight,       &O::mainBarVisible,   &O::AskDelete,
        &O::AskInsert,         &O::AskMove,           &O::sletTilPapirkurv, &O::exeProgram,
        &O::favoritAntal,      &O::favoritlisteWidth, &O::openMedLastMappe, &O::lastMappe,
        &O::mainBarShown,      &O::kameraBilledDir,   &O::KameraFilmDir,    &O::medPrivat,
        &O::privatOnTop,       &O::panelBg1Width,     &O::panelBg2Width,    &O::panelBg1Visible,
        &O::panelBg2Visible,   &O::visiblePanelNo,    &O::openTekstFiler,   &O::fontNameDocument,
        &O::fontSizeDocument,  &O::spilGentagChecked, &O::spilAlleChecked,  &O::MusikWidth,
        &O::alarmLydIndex,     &O::HtmlProgram,       &O::visBillede,       &O::lydBarPosition,
        &O::treeLines,         &O::openLastStruktur,  &O::lastStrukturNo,   &O::AMfunktionsNumber,
        &O::spilStraksChecked, &O::lukStraksChecked,  &O::panelDirboxWidth};
    return members;
}

} // namespace

bool MainOptions::read(const QStringList& lines) {
    const auto& members = layout();
    for (size_t i = 0; i < members.size(); ++i) {
        if (qsizetype(i) >= lines.size())
            return false;
        const QString& line = lines.at(qsizetype(i));
        if (auto text = std::get_if<QString MainOptions::*>(&members[i])) {
            this->** text = line;
            continue;
        }
        const std::optional<int> number = FilTal::tal(line);
        if (!number)
            return false;
        if (auto integer = std::get_if<int MainOptions::*>(&members[i]))
            this->** integer = *number;
        else
            this->*std::get<bool MainOptions::*>(members[i]) = *number != 0;
    }
    return true;
}

void MainOptions::applyDefaults() {
    designName = QStringLiteral("Sky");
    centred = true;
    formTop = 100;
    formLeft = 200;
    formWidth = 790;
    formHeight = 700;
    AskDelete = AskInsert = AskMove = sletTilPapirkurv = true;
    openMedLastMappe = false;
    kameraBilledDir.clear();
    KameraFilmDir.clear();
    medPrivat = privatOnTop = true;
    openTekstFiler = false;
    fontNameDocument = QStringLiteral("Courier New");
    fontSizeDocument = 10;
    HtmlProgram.clear();
    visBillede = true;
    lydBarPosition = 500;
    treeLines = false;
    openLastStruktur = false;
    lastStrukturNo = 0;
    mainBarVisible = false;
    AMfunktionsNumber = 0;
}

QStringList MainOptions::lines() const {
    QStringList out;
    for (const Member& member : layout()) {
        std::visit(
            [&](auto field) {
                const auto& value = this->*field;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                    out.append(value);
                else
                    out.append(QString::number(int(value)));
            },
            member);
    }
    return out;
}
