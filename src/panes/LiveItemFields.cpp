#include "panes/LiveItemFields.h"

#include "core/PodcastValues.h"
#include "core/RssFeed.h"
#include "document/RSSEditDoc.h"
#include "panes/NoteLabel.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CLiveItemFields::CLiveItemFields(CRSSEditDoc *doc, QWidget *parent)
    : QGroupBox(tr("Live stream"), parent), m_doc(doc), m_status(new QComboBox)
{
    setObjectName(QStringLiteral("liveItem"));
    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // Post Details is a narrow pane: a field that does not fit goes under its label.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_status->setObjectName(QStringLiteral("liveItem@status"));
    m_status->addItems(CPodcastValues::liveStatuses());
    // Key letters the other fields of the pane leave free.
    form->addRow(tr("St&atus:"), m_status);
    connect(m_status, &QComboBox::activated, this, [this] { store(QStringLiteral("status"), m_status->currentText()); });
    m_start = addTime(form, tr("Sta&rt:"), QStringLiteral("start"));
    m_end = addTime(form, tr("End:"), QStringLiteral("end"));
    hide();
}

// A stream starts and ends at a moment: a date and time with its zone.
QString CLiveItemFields::noteOnTime(const QString &value)
{
    const QString text = value.trimmed();
    switch (CPodcastValues::Iso8601(text)) {
    case CPodcastValues::IsoForm::ZonedTime:
        return QString();
    case CPodcastValues::IsoForm::LocalTime:
        return tr("Add the time zone, e.g. %1Z or %1+01:00").arg(text);
    default:
        return text.isEmpty() ? QString() : tr("Not a date and time like 2026-12-24T18:00:00+01:00");
    }
}

// The line with its note under it.
QLineEdit *CLiveItemFields::addTime(QFormLayout *form, const QString &label, const QString &attribute)
{
    auto *box = new QWidget;
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto *line = new QLineEdit;
    line->setObjectName(QStringLiteral("liveItem@") + attribute);
    line->setPlaceholderText(tr("e.g. %1").arg(QStringLiteral("2026-12-24T18:00:00+01:00")));
    auto *note = new CNoteLabel;
    note->setObjectName(line->objectName() + QStringLiteral("-note"));
    note->hide();
    column->addWidget(line);
    column->addWidget(note);
    form->addRow(label, box);
    // The label's key letter and name go to the line, not to the box around
    // it and its note; a screen reader finds no label beside the line.
    if (auto *name = qobject_cast<QLabel *>(form->labelForField(box)))
        name->setBuddy(line);
    line->setAccessibleName(QString(label).remove(u'&').remove(u':').trimmed());
    const auto showNote = [line, note] {
        const QString text = noteOnTime(line->text());
        note->setText(text);
        note->setVisible(!text.isEmpty());
    };
    connect(line, &QLineEdit::textChanged, this, showNote);
    connect(line, &QLineEdit::editingFinished, this, [this, line, attribute] { store(attribute, line->text().trimmed()); });
    return line;
}

void CLiveItemFields::store(const QString &attribute, const QString &value)
{
    if (m_doc && m_post >= 0)
        m_doc->SetPostAttribute(m_post, attribute, value);
}

void CLiveItemFields::load(int post)
{
    const CRssFeed *feed = m_doc ? m_doc->feed() : nullptr;
    const bool live = feed && post >= 0 && post < feed->GetPostCount() && feed->IsLiveItem(post);
    m_post = live ? post : -1;
    setVisible(live);
    if (!live)
        return;
    // A status outside the namespace's is shown as it is, until the user picks one.
    const QString status = feed->GetPostAttribute(post, QStringLiteral("status"));
    if (m_status->findText(status) < 0) {
        m_status->clear();
        m_status->addItems(CPodcastValues::liveStatuses());
        m_status->addItem(status);
    }
    m_status->setCurrentIndex(m_status->findText(status));
    for (QLineEdit *line : {m_start, m_end}) {
        const QString text = feed->GetPostAttribute(post, line->objectName().section(u'@', 1));
        if (line->text() != text) {
            line->setText(text);
            line->setCursorPosition(0);
        }
    }
}
