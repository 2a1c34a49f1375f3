#include "shell/DesktopServices.h"

#include "shell/CreateFeedPage.h"
#include "shell/MoveFeedDialog.h"
#include "shell/PublishSettingsDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace {

QStringList feedFileFilters()
{
    return {QCoreApplication::translate("CDesktopServices", "RSS feeds (*.xml *.rss)"), QCoreApplication::translate("CDesktopServices", "All files (*)")};
}

QString applicationTitle()
{
    return QStringLiteral("Tidrel");
}

// Most desktops' texts for the standard buttons have no access key (Qt's
// own "Save" and "Discard"): each such button gets the first letter of its
// text that no other of them uses, in whatever language the text is.
void giveAccessKeys(const QList<QAbstractButton *> &buttons)
{
    QString used;
    for (const QAbstractButton *button : buttons) {
        const int mark = button->text().indexOf(QLatin1Char('&'));
        if (mark >= 0 && mark + 1 < button->text().size())
            used += button->text().at(mark + 1).toLower();
    }
    for (QAbstractButton *button : buttons) {
        QString text = button->text();
        if (text.contains(QLatin1Char('&')))
            continue;
        for (int i = 0; i < text.size(); ++i) {
            const QChar letter = text.at(i).toLower();
            if (letter.isLetter() && !used.contains(letter)) {
                used += letter;
                button->setText(text.insert(i, QLatin1Char('&')));
                break;
            }
        }
    }
}

} // namespace

bool CDesktopServices::confirm(const QString &question, const QString &verb)
{
    QMessageBox box(QMessageBox::Question, applicationTitle(), question, QMessageBox::Cancel, m_dialogParent);
    QPushButton *accept = box.addButton(verb, QMessageBox::AcceptRole);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

void CDesktopServices::showError(const QString &message)
{
    QMessageBox::critical(m_dialogParent, applicationTitle(), message);
}

void CDesktopServices::beep()
{
    QApplication::beep();
}

CShellServices::SaveChoice CDesktopServices::askSaveChanges(const QString &documentTitle)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle(),
                    QCoreApplication::translate("CDesktopServices", "Save changes to %1?").arg(documentTitle),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_dialogParent);
    box.setDefaultButton(QMessageBox::Save);
    // Cancel has Esc.
    giveAccessKeys({box.button(QMessageBox::Save), box.button(QMessageBox::Discard)});
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChanges;
    case QMessageBox::Discard:
        return DiscardChanges;
    default:
        return CancelClosing;
    }
}

QString CDesktopServices::askOpenFileName()
{
    return QFileDialog::getOpenFileName(m_dialogParent, QCoreApplication::translate("CDesktopServices", "Open"), QString(),
                                        feedFileFilters().join(QStringLiteral(";;")));
}

QStringList CDesktopServices::askAudioFileNames()
{
    const QString filters = QCoreApplication::translate("CDesktopServices", "Audio files (%1)")
                                .arg(QStringLiteral("*.mp3 *.m4a *.m4b *.aac *.ogg *.oga *.opus *.flac *.wav"))
                            + QStringLiteral(";;") + QCoreApplication::translate("CDesktopServices", "All files (*)");
    return QFileDialog::getOpenFileNames(m_dialogParent, QCoreApplication::translate("CDesktopServices", "New Episode from Audio"),
                                         QString(), filters);
}

QString CDesktopServices::askSaveFileName(const QString &suggestedPath)
{
    QFileDialog dialog(m_dialogParent, QCoreApplication::translate("CDesktopServices", "Save As"), suggestedPath);
    dialog.setNameFilters(feedFileFilters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString CDesktopServices::askFeedLocation()
{
    QInputDialog dialog(m_dialogParent);
    dialog.setWindowTitle(QCoreApplication::translate("CDesktopServices", "Open Location"));
    dialog.setLabelText(QCoreApplication::translate("CDesktopServices", "&Web address of the feed:"));
    dialog.setOkButtonText(QCoreApplication::translate("CDesktopServices", "&Open"));
    dialog.resize(520, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue().trimmed();
}

QString CDesktopServices::askNewFeedAddress(const QString &currentAddress)
{
    CMoveFeedDialog dialog(currentAddress, m_dialogParent);
    return dialog.exec() == QDialog::Accepted ? dialog.newAddress() : QString();
}

void CDesktopServices::showInformation(const QString &message)
{
    QMessageBox::information(m_dialogParent, applicationTitle(), message);
}

bool CDesktopServices::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool CDesktopServices::askNewFeed(NewFeedParams *params)
{
    return RunCreateFeedPage(m_dialogParent, params);
}

bool CDesktopServices::askPublishSettings(const QString &feedName, PublishTarget *target, QString *secret)
{
    CPublishSettingsDialog dialog(feedName, m_dialogParent);
    dialog.setTarget(*target, *secret);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *target = dialog.target();
    *secret = dialog.secret();
    return true;
}

CShellServices::HostKeyChoice CDesktopServices::askTrustHost(const QString &host, const QString &fingerprint)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle(),
                    QCoreApplication::translate("CDesktopServices", "The server %1 is not among the known hosts of this computer.").arg(host),
                    QMessageBox::Cancel, m_dialogParent);
    box.setInformativeText(QCoreApplication::translate("CDesktopServices", "Its key's fingerprint is\n%1\n\nTrust it only when it is the fingerprint "
                                          "your server's administrator gave you.")
                               .arg(fingerprint));
    QPushButton *always = box.addButton(QCoreApplication::translate("CDesktopServices", "Trust and &Remember"), QMessageBox::AcceptRole);
    QPushButton *once = box.addButton(QCoreApplication::translate("CDesktopServices", "Trust &Once"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == always)
        return TrustHostAlways;
    if (box.clickedButton() == once)
        return TrustHostOnce;
    return RefuseHost;
}

bool CDesktopServices::askPrintOptions(QPrinter *printer)
{
    QPrintDialog dialog(printer, m_dialogParent);
    return dialog.exec() == QDialog::Accepted;
}

bool CDesktopServices::askPageSetup(QPrinter *printer)
{
    QPageSetupDialog dialog(printer, m_dialogParent);
    return dialog.exec() == QDialog::Accepted;
}

void CDesktopServices::showPrintPreview(QPrinter *printer, const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dialog(printer, m_dialogParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.resize(m_dialogParent->size() * 3 / 4);
    dialog.exec();
}
