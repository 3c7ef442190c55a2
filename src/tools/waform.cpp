#include "waform.h"

#include "shared/dialogknapper.h"
#include "shared/launcher.h"
#include "shared/mainhost.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

struct Applet {
    int row;
    const char* caption;
    const char* hint;
    const char* script;
    const char* icon; // the desktop theme's name for the picture
};

constexpr Applet applets[] = {
    {0, "Kontrolpanel", "Åbner kontrolpanelet med adgang til forskellige computerindstillinger",
     "kontrolpanel.vbs", "preferences-system"},
    {0, "Sikkerhed", "Åbner kontrolpanelets side der angår sikkerhed og vedligeholdelse",
     "actioncenter.vbs", "security-high"},
    {0, "Windows firewall", "Åbner kontrolpanelets side der angår Windows firewall",
     "windows_firewall.vbs", "network-wireless-encrypted"},
    {0, "Programmer", "Åbner kontrolpanelets side Programmer/Fjern et program",
     "add_remove_programmer.vbs", "system-software-install"},
    {0, "Brugerkonti", "Åbner kontrolpanelets side Brugerkonti/Brugerkonti", "bruger_konti.vbs",
     "system-users"},
    {0, "Netværks forbindelser", "Fører til Kontrolpanel/Netværk og internet/Netværksforbindelser",
     "net_forbindelser.vbs", "network-wired"},
    {1, "Skærmopløsning",
     "Fører til Kontrolpanel/Udseende og personlige indstillinger/Skærm/Skærmopløsning",
     "vis_egenskaber.vbs", "video-display"},
    {1, "Strømstyring", "Fører til Kontrolpanel/Hardware og lyd/Strømstyring", "power_options.vbs",
     "battery"},
    {1, "Internet indstillinger", "Åbner en dialogboks med indstillinger for internettet",
     "internet_egenskaber.vbs", "web-browser"},
    {1, "Enhedshåndtering", "Viser en liste over enheder i computeren eller forbundet hermed",
     "enhedshåndtering.vbs", "computer"},
    {1, "System oplysninger", "Åbner en oversigt med oplysninger om systemets elementer",
     "systemoplysninger.vbs", "dialog-information"},
    {1, "Egenskaber for system", "Åbner en dialogboks med egenskaber for system",
     "system_egenskaber.vbs", "document-properties"},
    {1, "ODBC", "Åbner ODBC datakildeadministrator boksen", "ODBC.vbs", "drive-harddisk"},
    {2, "Dato og klokken", "Åbner boks med mulighed for at indstille dato og klokkeslet",
     "dato_tid.vbs", "preferences-system-time"},
    {2, "Område", "Åbner en boks med mulighed for at bestemme sprog, dato og klokkesletsformater",
     "region_sprog-info.vbs", "preferences-desktop-locale"},
    {2, "Lyd", "Åbner en boks angående afspilning, optagelse, lyde samt kommunikation", "lyd.vbs",
     "audio-volume-high"},
    {2, "Egenskaber for mus", "Åbner boks hvor der kan bestemmes egenskaber for mus",
     "mus_egenskaber.vbs", "input-mouse"},
    {2, "Telefon og modem", "Åbner boksen Telefon og modem", "telefon_modem.vbs", "modem"},
    {2, "Skrifttyper", "Fører til Kontrolpanel/Udseende og personlige indstillinger/Skrifttyper",
     "fonts.vbs", "preferences-desktop-font"},
    {2, "Spilleenheder", "Fører til boksen Spilleenheder", "game_controllers.vbs", "input-gaming"},
};

} // namespace

TwaForm::TwaForm(MainHost& host) : CentredDialog(host.hovedvindue(), Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("waForm"));
    setWindowTitle(QStringLiteral("Window applets"));
    setModal(false);
    auto* column = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Nemadgang til forskellige Windows elementer"), this);
    QFont fed = heading->font();
    fed.setBold(true);
    fed.setPointSizeF(fed.pointSizeF() * 1.3);
    heading->setFont(fed);
    column->addWidget(heading);

    QHBoxLayout* rows[3];
    for (QHBoxLayout*& row : rows) {
        row = new QHBoxLayout;
        column->addLayout(row);
    }
    const QIcon reserve = programIcon(QStringLiteral("cmd-aWindowApplets"));
    // Every button as wide as the longest caption, so that none is cut short.
    int bredde = 0;
    for (const Applet& applet : applets)
        bredde = qMax(bredde, fontMetrics().horizontalAdvance(QString::fromUtf8(applet.caption)));
    for (const Applet& applet : applets) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(applet.script));
        button->setText(QString::fromUtf8(applet.caption));
        button->setToolTip(QString::fromUtf8(applet.hint));
        button->setStatusTip(button->toolTip());
        button->setIcon(QIcon::fromTheme(QLatin1String(applet.icon), reserve));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFixedSize(bredde + 16, 74);
        button->setAutoRaise(true);
        const QString script = QString::fromUtf8(applet.script);
        connect(button, &QToolButton::clicked, this,
                [&host, script] { host.launcher().runApplets(script); });
        rows[applet.row]->addWidget(button);
    }
    for (QHBoxLayout* row : rows)
        row->addStretch();

    auto* bund = new QHBoxLayout;
    QPushButton* luk =
        dialogKnap("ButtonLuk", QStringLiteral("Luk"), QStringLiteral("Luk boksen"), this);
    QPushButton* info = dialogKnap("ButtonInfo", QStringLiteral("Information"),
                                   QStringLiteral("Information: Window applets"), this);
    bund->addWidget(luk);
    bund->addStretch();
    bund->addWidget(info);
    column->addLayout(bund);
    setFixedSize(sizeHint());
    setFirstFocus(luk);

    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    connect(info, &QPushButton::clicked, this,
            [&host] { host.HelpInfo(QStringLiteral("Window applets"), false); });
}
