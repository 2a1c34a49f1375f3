#include "shell/AboutDialog.h"

#include "core/RssFeed.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget *parent)
    : CAnimatedDialog(parent)
{
    setWindowTitle(tr("About Tidrel"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    auto *icon = new QLabel;
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
    icon->setPixmap(QApplication::windowIcon().pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    auto *version = new QLabel(versionLine(CRssFeed::ProductVersionText()));
    QFont boldFont = version->font();
    boldFont.setBold(true);
    version->setFont(boldFont);
    auto *copyright = new QLabel(tr("Copyright \u00A9 2026 The Tidrel developers"));
    auto *release = new QLabel(releaseLine());
    for (QLabel *label : {version, copyright, release})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(copyright);
    texts->addWidget(release);
    texts->addStretch();

    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(buttons, 0, 2, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDialog::versionLine(const QString &productVersion)
{
    return tr("Tidrel version %1").arg(productVersion);
}

QString CAboutDialog::releaseLine()
{
    return tr("Release: %1 %2").arg(QLatin1String(__DATE__), QLatin1String(__TIME__));
}
