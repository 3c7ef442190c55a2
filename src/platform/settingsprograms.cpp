#include "settingsprograms.h"
#include "platform.h"

#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {

enum Desktop { Gnome, Kde, Xfce, Cinnamon, Mate, Lxqt, Any, DesktopCount };

struct Candidate {
    Desktop desktop;
    const char* command; // program and arguments, separated by blanks
};

struct Applet {
    const char* name;
    QList<Candidate> candidates;
};

// KDE Plasma 5 names its settings program "systemsettings" or, before 5.24, "systemsettings5";
// both are tried.
const QList<Applet>& applets() {
    static const QList<Applet> table = {
        {"kontrolpanel.vbs",
         {{Gnome, "gnome-control-center"},
          {Kde, "systemsettings"},
          {Xfce, "xfce4-settings-manager"},
          {Cinnamon, "cinnamon-settings"},
          {Mate, "mate-control-center"},
          {Lxqt, "lxqt-config"}}},
        {"actioncenter.vbs", {{Gnome, "gnome-control-center privacy"}}},
        {"windows_firewall.vbs",
         {{Kde, "systemsettings kcm_firewall"}, {Any, "firewall-config"}, {Any, "gufw"}}},
        {"add_remove_programmer.vbs",
         {{Gnome, "gnome-software"},
          {Kde, "plasma-discover"},
          {Any, "gnome-software"},
          {Any, "plasma-discover"},
          {Any, "synaptic-pkexec"}}},
        {"bruger_konti.vbs",
         {{Gnome, "gnome-control-center user-accounts"},
          {Kde, "systemsettings kcm_users"},
          {Cinnamon, "cinnamon-settings user"},
          {Mate, "mate-about-me"},
          {Any, "users-admin"}}},
        {"net_forbindelser.vbs",
         {{Gnome, "gnome-control-center network"},
          {Kde, "systemsettings kcm_networkmanagement"},
          {Cinnamon, "cinnamon-settings network"},
          {Any, "nm-connection-editor"}}},
        {"vis_egenskaber.vbs",
         {{Gnome, "gnome-control-center display"},
          {Kde, "systemsettings kcm_kscreen"},
          {Xfce, "xfce4-display-settings"},
          {Cinnamon, "cinnamon-settings display"},
          {Mate, "mate-display-properties"},
          {Lxqt, "lxqt-config-monitor"},
          {Any, "arandr"}}},
        {"power_options.vbs",
         {{Gnome, "gnome-control-center power"},
          {Kde, "systemsettings kcm_powerdevilprofilesconfig"},
          {Xfce, "xfce4-power-manager-settings"},
          {Cinnamon, "cinnamon-settings power"},
          {Mate, "mate-power-preferences"},
          {Lxqt, "lxqt-config-powermanagement"}}},
        {"internet_egenskaber.vbs",
         {{Gnome, "gnome-control-center network"}, {Kde, "systemsettings kcm_proxy"}}},
        {"enhedshåndtering.vbs", {{Kde, "kinfocenter"}, {Any, "hardinfo"}}},
        {"systemoplysninger.vbs",
         {{Gnome, "gnome-control-center info-overview"}, {Kde, "kinfocenter"}, {Any, "hardinfo"}}},
        {"system_egenskaber.vbs",
         {{Gnome, "gnome-control-center info-overview"},
          {Kde, "kinfocenter"},
          {Cinnamon, "cinnamon-settings info"},
          {Any, "hardinfo"}}},
        {"ODBC.vbs", {}},
        {"dato_tid.vbs",
         {{Gnome, "gnome-control-center datetime"},
          {Kde, "systemsettings kcm_clock"},
          {Cinnamon, "cinnamon-settings calendar"},
          {Any, "time-admin"}}},
        {"region_sprog-info.vbs",
         {{Gnome, "gnome-control-center region"},
          {Kde, "systemsettings kcm_regionandlang"},
          {Cinnamon, "cinnamon-settings language"}}},
        {"lyd.vbs",
         {{Gnome, "gnome-control-center sound"},
          {Kde, "systemsettings kcm_pulseaudio"},
          {Cinnamon, "cinnamon-settings sound"},
          {Mate, "mate-volume-control"},
          {Lxqt, "pavucontrol-qt"},
          {Any, "pavucontrol"},
          {Any, "pavucontrol-qt"}}},
        {"mus_egenskaber.vbs",
         {{Gnome, "gnome-control-center mouse"},
          {Kde, "systemsettings kcm_mouse"},
          {Xfce, "xfce4-mouse-settings"},
          {Cinnamon, "cinnamon-settings mouse"},
          {Mate, "mate-mouse-properties"},
          {Lxqt, "lxqt-config-input"}}},
        {"telefon_modem.vbs", {{Any, "modem-manager-gui"}}},
        {"fonts.vbs",
         {{Gnome, "gnome-font-viewer"},
          {Kde, "systemsettings kcm_fonts"},
          {Xfce, "xfce4-appearance-settings"},
          {Cinnamon, "cinnamon-settings fonts"},
          {Mate, "mate-appearance-properties"},
          {Any, "font-manager"},
          {Any, "gnome-font-viewer"}}},
        {"game_controllers.vbs", {{Kde, "systemsettings kcm_gamecontroller"}, {Any, "jstest-gtk"}}},
    };
    return table;
}

// The desktops XDG_CURRENT_DESKTOP names, a colon-separated list ("ubuntu:GNOME").
QList<Desktop> desktopsOf(const QString& value) {
    QList<Desktop> found;
    for (const QString& part : value.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = part.toUpper();
        const Desktop d = name == QLatin1String("GNOME") || name == QLatin1String("UNITY") ||
                                  name == QLatin1String("UBUNTU")
                              ? Gnome
                          : name == QLatin1String("KDE")  ? Kde
                          : name == QLatin1String("XFCE") ? Xfce
                          : name == QLatin1String("X-CINNAMON") || name == QLatin1String("CINNAMON")
                              ? Cinnamon
                          : name == QLatin1String("MATE") ? Mate
                          : name == QLatin1String("LXQT") ? Lxqt
                                                          : Any;
        if (d != Any && !found.contains(d))
            found.append(d);
    }
    return found;
}

} // namespace

QList<QStringList> SettingsPrograms::candidates(const QString& applet, const QString& desktop) {
    QList<Desktop> order = desktopsOf(desktop);
    // On a desktop we do not know every desktop's programs are tried, in the table's order.
    if (order.isEmpty())
        for (int d = Gnome; d < Any; ++d)
            order.append(Desktop(d));
    order.append(Any);
    QList<QStringList> out;
    for (const Applet& a : applets()) {
        if (applet.compare(QString::fromUtf8(a.name), Qt::CaseInsensitive) != 0)
            continue;
        for (const Desktop d : std::as_const(order))
            for (const Candidate& c : a.candidates) {
                if (c.desktop != d)
                    continue;
                QStringList command =
                    QString::fromUtf8(c.command).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (!out.contains(command))
                    out.append(command);
                if (command.first() == QLatin1String("systemsettings")) {
                    command.first() = QStringLiteral("systemsettings5");
                    out.append(command);
                }
            }
    }
    return out;
}

int SettingsPrograms::start(const QString& applet) {
    const QList<QStringList> all = candidates(
        applet,
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_CURRENT_DESKTOP")));
    if (all.isEmpty())
        return NoEquivalent;
    for (QStringList command : all) {
        const QString program = command.takeFirst();
        if (!QStandardPaths::findExecutable(program).isEmpty())
            return Platform::shell().startProgram(program, command, {});
    }
    return ShellResult::FileNotFound;
}
