#include "mappestrukturcommands.h"
#include "commandtable.h"
#include "mainform.h"

#include "dialogs/mappestrukturform.h"
#include "dialogs/openmappeform.h"
#include "engine/handlinger.h"

MappestrukturCommands::MappestrukturCommands(Tmainform& window)
    : w(window), m_openmappeform([this] { return new Topenmappeform(w); }), m_form([this] {
          CommandTable& c = w.commands();
          auto* form = new Tmappestrukturform(
              w, *c(QStringLiteral("aRedigerMappestruktur")), *c(QStringLiteral("aStrukturmappe")),
              [this]() -> Topenmappeform& { return *m_openmappeform; });
          form->loadMappeStruktur();
          return form;
      }) {
    CommandTable& c = w.commands();
    c.setRule(QStringLiteral("aNyStruktur"), [this] {
        const Tmappestrukturform* form = m_form.made();
        return !form || !form->isVisible();
    });
    c.setEffect(QStringLiteral("aNyStruktur"), [this] {
        m_form->show();
        m_form->raise();
        m_form->activateWindow();
    });
    c.setRule(QStringLiteral("aRedigerMappestruktur"), [this] {
        const Tmappestrukturform* form = m_form.made();
        return form && form->harValgtStruktur();
    });
    c.setEffect(QStringLiteral("aRedigerMappestruktur"), [this] { m_form->redigerValgte(); });
    c.setRule(QStringLiteral("aStrukturmappe"), [this] {
        const Tmappestrukturform* form = m_form.made();
        return form && !form->valgteMapper().isEmpty();
    });
    c.setEffect(QStringLiteral("aStrukturmappe"), [this] {
        w.funk().makePunktStruktur(m_form->valgteMapper(), std::nullopt, PunktStruktur);
    });
}
