#include "sidepanel.h"
#include "commandtable.h"
#include "mainform.h"

#include "shared/lazyiconengine.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

SidePanel::SidePanel(Tmainform& window, CommandTable& commands, int nr, Limits limits, int& bredde,
                     bool& synlig)
    : QWidget(window.PanelRight()), w(window), c(commands), m_limits(limits), m_bredde(bredde),
      m_synlig(synlig),
      m_skift(knap(QStringLiteral("sbBg%1Skift").arg(nr),
                   nr == 1 ? "Skift til programmer" : "Skift til favoritter", "cmd-sbVisPanel")),
      m_smallere(knap(QStringLiteral("sbBg%1Smallere").arg(nr), "Gør programpanelet smallere",
                      "panel-smallere")),
      m_bredere(knap(QStringLiteral("sbBg%1Breddere").arg(nr), "Gør programpanelet breddere",
                     "panel-breddere")),
      m_luk(knap(QStringLiteral("sbBg%1Close").arg(nr), "Luk program panelet", "panel-luk")) {
    setObjectName(QStringLiteral("PanelBg%1").arg(nr));
    connect(m_smallere, &QAction::triggered, this, &SidePanel::smallere);
    connect(m_bredere, &QAction::triggered, this, &SidePanel::breddere);
    connect(m_luk, &QAction::triggered, this, [this] { vis(false); });
    // A width from an edited settings file is kept unless no panel could show it.
    setBredde(bredde > 0 && bredde <= 1000 ? bredde : limits.standard);
}

void SidePanel::setVisible(bool visible) {
    if (visible && !m_bygget) {
        m_bygget = true;
        bygIndhold();
    }
    QWidget::setVisible(visible);
}

QToolBar* SidePanel::panelBar(const char* name, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

QVBoxLayout* SidePanel::bygTop(const QString& titel, QToolBar* top) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(6, 0, 0, 0);
    auto* label = new QLabel(titel, this);
    QFont fed = label->font();
    fed.setBold(true);
    label->setFont(fed);
    // A narrow panel shortens its title rather than hide its buttons.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(0);
    row->addWidget(label, 1);
    top->addActions({m_skift, m_smallere, m_bredere, m_luk});
    row->addWidget(top);
    column->addLayout(row);
    return column;
}

QAction* SidePanel::knap(const QString& name, const char* hint, const char* icon) {
    auto* action = new QAction(QString::fromUtf8(hint), this);
    action->setObjectName(name);
    action->setToolTip(action->text());
    action->setStatusTip(action->text());
    action->setIcon(
        LazyIconEngine::icon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    c.addNamed(action);
    return action;
}

void SidePanel::vis(bool synlig) {
    setVisible(synlig);
    m_synlig = synlig;
}

void SidePanel::setBredde(int bredde) {
    setFixedWidth(bredde);
    m_bredde = bredde;
}

void SidePanel::breddere() {
    if (width() == m_limits.widest)
        w.Info(QStringLiteral("Panelet kan ikke blive større."));
    else if (width() < m_limits.widest)
        setBredde(width() + Step);
}

void SidePanel::smallere() {
    if (width() == m_limits.smallest)
        w.Info(QStringLiteral("Panelet kan ikke blive mindre."));
    else if (width() > m_limits.smallest)
        setBredde(width() - Step);
}
