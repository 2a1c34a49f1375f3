#include "editor/ImageDlg.h"

#include "core/ProductInfo.h"
#include "engine/HtmlEngineView.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

const QString kPagePath = QStringLiteral(":/editor/insert_image.html");
const QString kSource = QStringLiteral("edit_src");
const QString kAlt = QStringLiteral("edit_alt");
const QString kWidth = QStringLiteral("edit_width");
const QString kHeight = QStringLiteral("edit_height");
const QString kSample = QStringLiteral("img_sample");
const int kResizeDelayMs = 1000;

// The attributes of the markup after src, in order, and their fields.
struct ImageField
{
    const char *attribute;
    const char *id;
};
const ImageField kFields[] = {{"alt", "edit_alt"}, {"width", "edit_width"}, {"height", "edit_height"}};

// A placeholder site is no address for a user's feed.
bool isRealAddress(const QString &address)
{
    const QString host = QUrl(address).host();
    return !host.isEmpty() && !host.endsWith(QLatin1String(".example"));
}

bool isPictureAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || !text.contains(QLatin1String("://")))
        return false;
    const QString path = url.path();
    const QString extension = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return path.contains(QLatin1Char('.'))
        && QStringList({QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg")})
               .contains(extension);
}

QString numberText(int value)
{
    return value == -1 ? QString() : QString::number(value);
}


} // namespace

CImageDlg::CImageDlg(const ImageInfo &info, QWidget *parent)
    : CHtmlFormDialog(parent, kSource)
    , m_info(info)
{
    if (m_info.src.isEmpty())
        m_info.src = DefaultImageSource();
    m_resizeTimer.setSingleShot(true);
    m_resizeTimer.setInterval(kResizeDelayMs);
    connect(&m_resizeTimer, &QTimer::timeout, this, &CImageDlg::fitToPage);
}

int CImageDlg::run()
{
    engine()->setPageTexts({
        {QStringLiteral("title"), tr("Insert Image")},
        {QStringLiteral("src-hint"), tr("Type the image's address here (required)")},
        {QStringLiteral("browse"), tr("Browse\u2026")},
        {QStringLiteral("alt-hint"), tr("Type the text shown in its place here")},
        {QStringLiteral("width-hint"), tr("Width in pixels (optional)")},
        {QStringLiteral("height-hint"), tr("Height in pixels (optional)")},
        {QStringLiteral("ok"), tr("OK")},
        {QStringLiteral("cancel"), tr("Cancel")},
        {QStringLiteral("left"), tr("text on left")},
        {QStringLiteral("right"), tr("text on right")},
        {QStringLiteral("sample"), tr("See image sample here")},
    });
    return RunHtmlDialog(kPagePath);
}

QString CImageDlg::DefaultImageSource()
{
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    if (isPictureAddress(text))
        return text;
    const QString sample = QString::fromUtf8(ProductInfo::kSampleImageUrl);
    return isRealAddress(sample) ? sample : QString();
}

void CImageDlg::OnPageReady()
{
    CHtmlFormDialog::OnPageReady();
    CHtmlEngineView *page = engine();
    const auto fill = [page](const QString &id, const QString &text) {
        if (!text.isEmpty())
            page->setValue(id, text);
    };
    fill(kSource, m_info.src);
    fill(kAlt, m_info.alt);
    fill(kWidth, numberText(m_info.width));
    fill(kHeight, numberText(m_info.height));
    UpdateImagePreview();
}

void CImageDlg::OnElementEvent(int code, const QString &id)
{
    if (code != CHtmlEngineView::EditValueChanged && code != CHtmlEngineView::SelectSelectionChanged)
        return;
    noteChange();
    if (id == kSource)
        takeLocalImageSize();
    if (id == kSource || std::any_of(std::begin(kFields), std::end(kFields),
                                     [&id](const ImageField &field) { return id == QLatin1String(field.id); }))
        UpdateImagePreview();
}

// The file dialog opens once the page's notice has been delivered: its
// modal loop must not hold up the page.
void CImageDlg::OnButtonClick(const QString &name)
{
    if (name.compare(QLatin1String("Close"), Qt::CaseInsensitive) == 0)
        readFields();
    else if (name == QLatin1String("Browse"))
        QMetaObject::invokeMethod(this, &CImageDlg::chooseFile, Qt::QueuedConnection);
}

void CImageDlg::chooseFile()
{
    const QUrl shown(fieldText(kSource));
    const QString folder = shown.isLocalFile() ? QFileInfo(shown.toLocalFile()).path() : QString();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose Image"), folder,
        tr("Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)"));
    if (path.isEmpty())
        return;
    engine()->setValue(kSource, QUrl::fromLocalFile(path).toString());
    takeLocalImageSize();
    UpdateImagePreview();
}

// A local image's own size is known: the fields take it.
void CImageDlg::takeLocalImageSize()
{
    const QSize size = LocalImageSize(fieldText(kSource));
    if (!size.isValid())
        return;
    engine()->setValue(kWidth, QString::number(size.width()));
    engine()->setValue(kHeight, QString::number(size.height()));
}

QSize CImageDlg::LocalImageSize(const QString &source)
{
    const QUrl url(source);
    const QString path = url.isLocalFile() ? url.toLocalFile() : source;
    if (!QFileInfo(path).isAbsolute() || !QFileInfo(path).isFile())
        return QSize();
    return QImageReader(path).size();
}

void CImageDlg::OnDataLoaded()
{
    noteChange();
}

void CImageDlg::noteChange()
{
    m_resizeTimer.start();
}

QString CImageDlg::fieldText(const QString &id) const
{
    return engine()->value(id).toString();
}

// The sample shows the fields at once, and the markup is built from them,
// each value as typed (escaped for HTML, so a quote cannot end it early).
void CImageDlg::UpdateImagePreview()
{
    if (!engine()->hasElement(kSource))
        return;
    const QString src = fieldText(kSource);
    engine()->setAttribute(kSample, QStringLiteral("src"), src);
    QString markup = QStringLiteral("<img src=\"") + src.toHtmlEscaped() + QLatin1Char('"');
    for (const ImageField &field : kFields) {
        const QString text = fieldText(QLatin1String(field.id));
        const QString attribute = QString::fromLatin1(field.attribute);
        if (text.isEmpty() && attribute != QLatin1String("alt"))
            engine()->removeAttribute(kSample, attribute);
        else
            engine()->setAttribute(kSample, attribute, text);
        if (!text.isEmpty())
            markup += QLatin1Char(' ') + attribute + QStringLiteral("=\"") + text.toHtmlEscaped() + QLatin1Char('"');
    }
    m_markup = markup + QLatin1Char('>');
}

int CImageDlg::LeadingNumber(const QString &text, int fallback)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : fallback;
}

void CImageDlg::readFields()
{
    m_info.src = fieldText(kSource);
    m_info.alt = fieldText(kAlt);
    m_info.width = LeadingNumber(fieldText(kWidth), -1);
    m_info.height = LeadingNumber(fieldText(kHeight), -1);
}
