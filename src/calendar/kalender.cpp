#include "kalender.h"

#include "platform/platform.h"

#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char* const maaneder[] = {"Januar",    "Februar", "Marts",    "April",
                                "Maj",       "Juni",    "Juli",     "August",
                                "September", "Oktober", "November", "December"};
const char* const ugedage[] = {"Søndag",  "Mandag", "Tirsdag", "Onsdag",
                               "Torsdag", "Fredag", "Lørdag"};

} // namespace

QString TKalender::maanedNavn(int maaned) {
    if (maaned < 1 || maaned > 12)
        return {};
    return QLatin1Char(' ') + QString::fromUtf8(maaneder[maaned - 1]);
}

QString TKalender::ugedagNavn(QDate dato) {
    if (!dato.isValid())
        return {};
    return QLatin1Char(' ') + QString::fromUtf8(ugedage[dato.dayOfWeek() % 7]);
}

TKalender::TKalender(QWidget* parent) : QWidget(parent) {
    m_overskrift = new QLabel(this);
    m_overskrift->setObjectName(QStringLiteral("maanedLabel"));
    m_overskrift->setAlignment(Qt::AlignCenter);
    QFont bold = m_overskrift->font();
    bold.setBold(true);
    m_overskrift->setFont(bold);
    m_grid = new QCalendarWidget(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    m_grid->setLocale(QLocale(QLocale::Danish, QLocale::Denmark));
    m_grid->setFirstDayOfWeek(Qt::Monday);
    m_grid->setNavigationBarVisible(false);
    m_grid->setGridVisible(true);
    m_grid->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    m_grid->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    m_grid->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_overskrift);
    layout->addWidget(m_grid, 1);
    // A click on a day cell; clicks on the grey days of the months around select them too.
    connect(m_grid, &QCalendarWidget::selectionChanged, this, [this] {
        m_grid->setCurrentPage(m_grid->selectedDate().year(), m_grid->selectedDate().month());
        opdaterOverskrift();
        emit change();
    });
    // Scrolling the wheel over the grid turns its page; the page follows the selection.
    connect(m_grid, &QCalendarWidget::currentPageChanged, this, [this] {
        const QDate d = m_grid->selectedDate();
        if (m_grid->yearShown() != d.year() || m_grid->monthShown() != d.month())
            m_grid->setCurrentPage(d.year(), d.month());
    });
    flyt(Platform::clock().localNow().date());
}

QDate TKalender::dato() const {
    return m_grid->selectedDate();
}

void TKalender::flyt(QDate dato) {
    {
        const QSignalBlocker quiet(m_grid);
        m_grid->setSelectedDate(dato);
        m_grid->setCurrentPage(dato.year(), dato.month());
    }
    opdaterOverskrift();
}

void TKalender::setDato(QDate dato) {
    if (!dato.isValid())
        return;
    flyt(dato);
    emit change();
}

void TKalender::opdaterOverskrift() {
    const QDate d = dato();
    m_overskrift->setText(maanedNavn(d.month()).mid(1) + QLatin1Char(' ') +
                          QString::number(d.year()));
}

void TKalender::forrigeMaaned() {
    setDato(dato().addMonths(-1));
}

void TKalender::naesteMaaned() {
    setDato(dato().addMonths(1));
}

void TKalender::forrigeAar() {
    setDato(dato().addYears(-1));
}

void TKalender::naesteAar() {
    setDato(dato().addYears(1));
}
