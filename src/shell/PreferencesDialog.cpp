#include "shell/PreferencesDialog.h"

#include "document/PostFooter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// What Settings.ini gives back of a value.
constexpr int kMaxFooterLength = 259;
} // namespace

CPreferencesDialog::CPreferencesDialog(QWidget *parent)
    : CAnimatedDialog(parent)
    , m_colorScheme(new QComboBox)
    , m_footerBox(new QCheckBox(tr("&Add a footer under the description of every post I edit")))
    , m_footerText(new QLineEdit)
{
    setWindowTitle(tr("Preferences"));

    // The numbers of the desktop portal's colour scheme.
    m_colorScheme->addItem(tr("Follow the desktop"), 0);
    m_colorScheme->addItem(tr("Light"), 2);
    m_colorScheme->addItem(tr("Dark"), 1);
    auto *look = new QFormLayout;
    look->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    look->addRow(tr("&Colours:"), m_colorScheme);

    m_footerText->setMaxLength(kMaxFooterLength);
    m_footerText->setPlaceholderText(DefaultPostFooterText());
    auto *defaultWords = new QPushButton(tr("&Default Text"));
    connect(defaultWords, &QPushButton::clicked, this, [this] { m_footerText->setText(DefaultPostFooterText()); });
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(m_footerText, 1);
    textRow->addWidget(defaultWords);

    auto *note = new QLabel(tr("The footer is added when a post's description is stored, "
                                           "unless the description ends with one already."));
    note->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(m_footerBox);
    auto *textLabel = new QLabel(tr("Footer &text:"));
    textLabel->setBuddy(m_footerText);
    form->addRow(textLabel, textRow);
    form->addRow(note);
    auto *footerGroup = new QGroupBox(tr("Post footer"));
    footerGroup->setLayout(form);

    connect(m_footerBox, &QCheckBox::toggled, m_footerText, &QWidget::setEnabled);
    connect(m_footerBox, &QCheckBox::toggled, defaultWords, &QWidget::setEnabled);
    m_footerText->setEnabled(false);
    defaultWords->setEnabled(false);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(look);
    layout->addWidget(footerGroup);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

void CPreferencesDialog::setColorScheme(int scheme)
{
    m_colorScheme->setCurrentIndex(qMax(0, m_colorScheme->findData(scheme)));
}

int CPreferencesDialog::colorScheme() const
{
    return m_colorScheme->currentData().toInt();
}

void CPreferencesDialog::setFooter(const PostFooterSetting &footer)
{
    m_footerBox->setChecked(footer.enabled);
    m_footerText->setText(footer.text.isEmpty() ? DefaultPostFooterText() : footer.text);
}

PostFooterSetting CPreferencesDialog::footer() const
{
    PostFooterSetting footer;
    footer.enabled = m_footerBox->isChecked();
    const QString text = m_footerText->text().trimmed();
    if (text != DefaultPostFooterText())
        footer.text = text;
    return footer;
}
