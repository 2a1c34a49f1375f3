#include "editor/LinkCommands.h"

#include "editor/HyperlinkDlg.h"
#include "editor/ImageDlg.h"
#include "engine/HtmlEngineView.h"
#include "markup/DescriptionMarkup.h"

namespace {

const QString kRichText = QStringLiteral("richtext_edit");

// An attribute the dialog left empty is removed; the element's other
// attributes stay as they are.
void putText(QVariantMap &attributes, const QString &name, const QString &text)
{
    attributes.insert(name, text.isEmpty() ? QVariant() : QVariant(text));
}

void putNumber(QVariantMap &attributes, const QString &name, int number)
{
    attributes.insert(name, number == -1 ? QVariant() : QVariant(QString::number(number)));
}

} // namespace

CLinkCommands::CLinkCommands(CHtmlEngineView *engine, QWidget *dialogParent)
    : m_engine(engine)
    , m_dialogParent(dialogParent)
{
}

QStringList CLinkCommands::currentObjects() const
{
    return m_engine->callMethod(kRichText, QStringLiteral("getCurrentObjects")).toStringList();
}

int CLinkCommands::currentObjectIndex(const QString &tag) const
{
    const QStringList objects = currentObjects();
    for (int i = 0; i < objects.size(); ++i) {
        if (objects.at(i).compare(tag, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariantMap CLinkCommands::currentObjectAttributes(int index) const
{
    return m_engine->callMethod(kRichText, QStringLiteral("getCurrentObjectAttributes"), {index}).toMap();
}

void CLinkCommands::setCurrentObjectAttributes(int index, const QVariantMap &attributes)
{
    m_engine->callMethod(kRichText, QStringLiteral("setCurrentObjectAttributes"), {index, attributes});
}

void CLinkCommands::InsertHtml(const QString &html)
{
    if (m_engine->hasElement(kRichText))
        m_engine->callMethod(kRichText, QStringLiteral("insertHtml"), {html});
}

bool CLinkCommands::CanHyperlink() const
{
    int start = 0;
    int end = 0;
    if (!m_engine->hasElement(kRichText) || !m_engine->selection(kRichText, &start, &end))
        return false;
    return currentObjectIndex(QStringLiteral("a")) >= 0 || currentObjectIndex(QStringLiteral("img")) >= 0
        || start != end;
}

bool CLinkCommands::OnHyperlink()
{
    if (!m_engine->hasElement(kRichText))
        return false;
    const int link = currentObjectIndex(QStringLiteral("a"));
    return link >= 0 ? EditLink(link) : InsertNewLink();
}

bool CLinkCommands::OnImage()
{
    if (!m_engine->hasElement(kRichText))
        return false;
    const int image = currentObjectIndex(QStringLiteral("img"));
    return image >= 0 ? EditImage(image) : InsertNewImage();
}

// The link goes around the selection, a selected image or text with its
// markup; on a bare caret it shows its address.
bool CLinkCommands::InsertNewLink()
{
    int start = 0;
    int end = 0;
    if ((!m_engine->selection(kRichText, &start, &end) || start == end) && currentObjects().size() < 2)
        return false;

    HyperlinkInfo info;
    if (currentObjectIndex(QStringLiteral("img")) >= 0)
        info.text = FragmentFromSelectionHtml(m_engine->selectionHtml(kRichText));
    else
        info.text = m_engine->selectionText(kRichText);
    if (!EditHyperlinkInfo(info, false, m_dialogParent))
        return false;

    QVariantMap attributes{{QStringLiteral("href"), info.url}};
    if (!info.target.isEmpty())
        attributes.insert(QStringLiteral("target"), info.target);
    if (!info.title.isEmpty())
        attributes.insert(QStringLiteral("title"), info.title);
    if (m_engine->hasElement(kRichText))
        m_engine->callMethod(kRichText, QStringLiteral("insertLink"), {attributes});
    return true;
}

bool CLinkCommands::EditLink(int index)
{
    const QVariantMap attributes = currentObjectAttributes(index);
    HyperlinkInfo info;
    info.url = attributes.value(QStringLiteral("href")).toString();
    info.title = attributes.value(QStringLiteral("title")).toString();
    info.target = attributes.value(QStringLiteral("target")).toString();
    info.text = SelectedFragmentFromSavedHtml(m_engine->saveHtml(kRichText));
    if (!EditHyperlinkInfo(info, false, m_dialogParent))
        return false;

    QVariantMap changed;
    putText(changed, QStringLiteral("target"), info.target);
    changed.insert(QStringLiteral("href"), info.url);
    putText(changed, QStringLiteral("title"), info.title);
    setCurrentObjectAttributes(index, changed);
    return true;
}

bool CLinkCommands::InsertNewImage()
{
    CImageDlg dialog(ImageInfo(), m_dialogParent);
    if (dialog.run() == CHtmlDialog::ResultCancel)
        return false;
    InsertHtml(dialog.markup());
    return true;
}

bool CLinkCommands::EditImage(int index)
{
    const QVariantMap attributes = currentObjectAttributes(index);
    ImageInfo info;
    const auto text = [&attributes](const char *name) { return attributes.value(QLatin1String(name)).toString(); };
    const auto number = [&text](const char *name, int fallback) {
        const QString value = text(name);
        return value.isEmpty() ? fallback : CImageDlg::LeadingNumber(value, 0);
    };
    info.src = text("src");
    info.alt = text("alt");
    info.width = number("width", info.width);
    info.height = number("height", info.height);

    CImageDlg dialog(info, m_dialogParent);
    if (dialog.run() == CHtmlDialog::ResultCancel)
        return false;
    info = dialog.info();

    // The image's other attributes, its own or older ones such as border,
    // stay as they are.
    QVariantMap changed;
    putText(changed, QStringLiteral("src"), info.src);
    putText(changed, QStringLiteral("alt"), info.alt);
    putNumber(changed, QStringLiteral("width"), info.width);
    putNumber(changed, QStringLiteral("height"), info.height);
    setCurrentObjectAttributes(index, changed);
    return true;
}
