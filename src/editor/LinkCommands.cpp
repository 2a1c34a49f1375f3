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

QString quotedAttribute(const QString &name, const QString &value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value.toHtmlEscaped() + QLatin1Char('"');
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

// A selected image becomes the link's content; a selected text its text.
// The markup replaces the selection.
bool CLinkCommands::InsertNewLink()
{
    int start = 0;
    int end = 0;
    if ((!m_engine->selection(kRichText, &start, &end) || start == end) && currentObjects().size() < 2)
        return false;

    HyperlinkInfo info;
    const bool onImage = currentObjectIndex(QStringLiteral("img")) >= 0;
    if (onImage)
        info.text = FragmentFromSelectionHtml(m_engine->selectionHtml(kRichText));
    else
        info.text = m_engine->selectionText(kRichText);
    if (!EditHyperlinkInfo(info, false, m_dialogParent))
        return false;

    QString markup = QStringLiteral("<A") + quotedAttribute(QStringLiteral("HREF"), info.url);
    if (!info.target.isEmpty())
        markup += quotedAttribute(QStringLiteral("TARGET"), info.target);
    if (!info.title.isEmpty())
        markup += quotedAttribute(QStringLiteral("TITLE"), info.title);
    // A link without text could not be seen or clicked: it shows its address.
    const QString text = onImage ? info.text : (info.text.isEmpty() ? info.url : info.text).toHtmlEscaped();
    markup += QLatin1Char('>') + text + QStringLiteral("</A> ");
    InsertHtml(markup);
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
    info.align = text("align");
    info.border = number("border", info.border);
    info.width = number("width", info.width);
    info.height = number("height", info.height);
    info.vspace = number("vspace", info.vspace);
    info.hspace = number("hspace", info.hspace);

    CImageDlg dialog(info, m_dialogParent);
    if (dialog.run() == CHtmlDialog::ResultCancel)
        return false;
    info = dialog.info();

    QVariantMap changed;
    putText(changed, QStringLiteral("src"), info.src);
    putText(changed, QStringLiteral("alt"), info.alt);
    putText(changed, QStringLiteral("align"), info.align);
    putNumber(changed, QStringLiteral("border"), info.border);
    putNumber(changed, QStringLiteral("width"), info.width);
    putNumber(changed, QStringLiteral("height"), info.height);
    putNumber(changed, QStringLiteral("vspace"), info.vspace);
    putNumber(changed, QStringLiteral("hspace"), info.hspace);
    setCurrentObjectAttributes(index, changed);
    return true;
}
