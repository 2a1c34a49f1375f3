#pragma once

#include <QString>
#include <QVariantMap>

class CHtmlEngineView;
class QWidget;

// The Hyperlink and Image commands on the editor page's rich text: a new
// link or image at the caret, or the attributes of the one at the caret
// changed, each through its dialog.
class CLinkCommands
{
public:
    CLinkCommands(CHtmlEngineView *engine, QWidget *dialogParent);

    // A link can be made on a selection or changed on a link or image at the
    // caret.
    bool CanHyperlink() const;
    // Each returns true when it changed the text.
    bool OnHyperlink();
    bool OnImage();

private:
    bool InsertNewLink();
    bool EditLink(int index);
    bool InsertNewImage();
    bool EditImage(int index);
    void InsertHtml(const QString &html);
    // The current objects are the elements at the caret, outermost first.
    QStringList currentObjects() const;
    int currentObjectIndex(const QString &tag) const;
    QVariantMap currentObjectAttributes(int index) const;
    void setCurrentObjectAttributes(int index, const QVariantMap &attributes);

    CHtmlEngineView *m_engine;
    QWidget *m_dialogParent;
};
