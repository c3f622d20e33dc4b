// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sets/SetDetailsPane.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/Messages.h"
#include "core/files/SurveyExport.h"
#include "core/store/EditHistory.h"
#include "core/store/ReadingsStore.h"

SetDetailsPane::SetDetailsPane(ReadingsStore& store, QWidget* parent)
    : QWidget(parent), m_store(store) {
    setObjectName(QStringLiteral("SetDetails"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("DetailTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (DetailField f : SetDetailFields::all()) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Detail_") + SetDetailFields::optionName(f));
        edit->setAccessibleName(SetDetailFields::label(f));
        edit->setClearButtonEnabled(true);
        // Room for a site name or a coordinate; a long label goes above its field instead.
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-123.456789")) +
                              40);
        m_fields.insert(f, edit);
        auto* label = new QLabel(SetDetailFields::label(f) + QLatin1Char(':'), this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::editingFinished, this, [this, f] { commit(f); });
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("DetailProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #c00000"));
    m_problem->hide();
    m_facts = new QLabel(this);
    m_facts->setObjectName(QStringLiteral("DetailFacts"));
    m_facts->setWordWrap(true);
    m_facts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(m_title);
    lay->addLayout(form);
    lay->addWidget(m_problem);
    lay->addWidget(m_facts);
    lay->addStretch(1);
    connect(&m_store, &ReadingsStore::detailsChanged, this, [this](int set) {
        if (set == 0 || set == m_set) showRecord();
    });
    connect(&m_store, &ReadingsStore::reloaded, this, &SetDetailsPane::showRecord);
    // The readings count follows downloads, at most a few times a second: a download writes a
    // cell at a time, and the pane is not shown again for each of them.
    m_factsDue.setSingleShot(true);
    m_factsDue.setInterval(kFactsIntervalMs);
    connect(&m_factsDue, &QTimer::timeout, this, &SetDetailsPane::showRecord);
    connect(&m_store, &ReadingsStore::cellsChanged, this, [this](int, int, int first, int last) {
        if (m_set >= first && m_set <= last && !m_factsDue.isActive()) m_factsDue.start();
    });
    showRecord();
}

void SetDetailsPane::offerGps(const GpsReceiver& receiver) {
    m_gps = &receiver;
    m_fromGps = new QPushButton(tr("Take Position from &GPS"), this);
    m_fromGps->setObjectName(QStringLiteral("FromGpsButton"));
    m_fromGps->setToolTip(
        tr("The GPS receiver's current fix (not older than %1 s) as this set's latitude, "
           "longitude and elevation")
            .arg(GpsReceiver::kFreshMs / 1000));
    auto* lay = qobject_cast<QVBoxLayout*>(layout());
    lay->insertWidget(lay->indexOf(m_problem), m_fromGps);
    const auto follow = [this] {
        m_fromGps->setVisible(m_gps->state() != GpsReceiver::State::Off);
        m_fromGps->setEnabled(m_gps->current().has_value());
    };
    connect(m_gps, &GpsReceiver::stateChanged, this, follow);
    connect(m_gps, &GpsReceiver::fixChanged, this, follow);
    connect(m_fromGps, &QPushButton::clicked, this, &SetDetailsPane::takeGpsPosition);
    follow();
}

void SetDetailsPane::takeGpsPosition() {
    const std::optional<GpsFix> fix = m_gps ? m_gps->current() : std::nullopt;
    if (!fix) {
        m_problem->setText(tr("The GPS receiver has no current fix; nothing was stored."));
        m_problem->show();
        return;
    }
    const SetDetails before = m_store.details(m_set);
    SetDetails d = before;
    d.latitude = fix->latitude;
    d.longitude = fix->longitude;
    d.elevationM = fix->elevationM;  // a 2D fix has none: an elevation typed before goes
    const StoreResult written = m_store.history().setDetails(m_set, before, d);
    if (!written) {
        m_problem->setText(Msg::TableNotWritten.arg(Msg::why(written.reason)));
        m_problem->show();
        return;
    }
    for (DetailField f : {DetailField::Latitude, DetailField::Longitude, DetailField::Elevation})
        m_fields.value(f)->setProperty("refused", false);
    showRecord();
    Q_EMIT edited();
}

void SetDetailsPane::showSet(int set) {
    if (!Meter::isSet(set) || set == m_set) return;
    m_set = set;
    // What was refused for the set before is not this set's.
    for (QLineEdit* edit : std::as_const(m_fields)) {
        edit->setProperty("refused", false);
        edit->setStyleSheet(QString());
    }
    m_problem->hide();
    showRecord();
}

void SetDetailsPane::showRecord() {
    m_title->setText(tr("Set %1").arg(m_set));
    const SetDetails& d = m_store.details(m_set);
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        // A field being typed in keeps what is typed; a refused one keeps it to be mended.
        if (it.value()->hasFocus() && it.value()->isModified()) continue;
        if (it.value()->property("refused").toBool()) continue;
        const QString text = SetDetailFields::text(d, it.key());
        if (it.value()->text() != text) it.value()->setText(text);
    }
    // The typed fields are above; the program's own facts below them.
    m_facts->setText(SurveyExport::factLines(m_store, m_set).join(QLatin1Char('\n')));
}

void SetDetailsPane::commit(DetailField field) {
    QLineEdit* edit = m_fields.value(field);
    const SetDetails before = m_store.details(m_set);
    SetDetails d = before;
    const Reason why = SetDetailFields::setText(d, field, edit->text());
    edit->setProperty("refused", !why.isEmpty());
    edit->setStyleSheet(why.isEmpty() ? QString() : QStringLiteral("border: 1px solid #c00000"));
    if (why) {
        m_problem->setText(tr("%1. Nothing was stored.").arg(Msg::why(why)));
        m_problem->show();
        return;
    }
    bool anyRefused = false;
    for (QLineEdit* other : std::as_const(m_fields))
        anyRefused = anyRefused || other->property("refused").toBool();
    // Only this field is written: what another program wrote to the others stays.
    const StoreResult written = m_store.history().setDetails(m_set, before, d);
    if (!written) {
        m_problem->setText(Msg::TableNotWritten.arg(Msg::why(written.reason)));
        m_problem->show();
        return;
    }
    edit->setModified(false);
    m_problem->setVisible(anyRefused);
    Q_EMIT edited();
}
