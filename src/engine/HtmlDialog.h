#pragma once

#include <QDialog>
#include <QMap>
#include <QVariant>

class CHtmlEngineView;

// The values of a dialog page's named controls, by name: a text, a boolean
// (a single check box), an integer (a mask of a group of check boxes, the
// index of the checked radio button) or no value.
using DialogValues = QMap<QString, QVariant>;

// A modal dialog drawn by a page of the program's resources. The window takes
// the page's size and title and is centred; a button named after a standard
// result ("OK", "Cancel", "Close"...) ends it with that result, Enter and Esc
// press the page's default and cancel buttons, and links open in the
// desktop's browser. The page loads qrc:///engine/dialog.js after engine.js.
class CHtmlDialog : public QDialog
{
    Q_OBJECT
public:
    enum Result { ResultOk = 1, ResultCancel, ResultAbort, ResultRetry, ResultIgnore, ResultYes, ResultNo,
                  ResultClose, ResultHelp };
    enum Placement { CenterDesktop = 1, CenterParent = 2, AtPosition = 3 };

    explicit CHtmlDialog(QWidget *parent = nullptr);

    // Given to the page's controls when it is ready, and filled with their
    // values when a button that keeps them (OK, Retry, Yes) ends the dialog.
    void setValues(DialogValues *values) { m_values = values; }
    void setPlacement(Placement placement, const QPoint &position = QPoint());

    // Shows the page modally and returns the result of the button that ended
    // it: Cancel when the window was closed otherwise, or when the page
    // cannot be loaded.
    int RunHtmlDialog(const QString &pagePath);
    CHtmlEngineView *engine() const { return m_engine; }

    // The result a button name stands for (any letter case), 0 for none;
    // `keepsValues` tells whether the values are collected for it.
    static int resultOfButton(const QString &name, bool *keepsValues = nullptr);

public slots:
    void reject() override;

protected:
    // The page has loaded and holds the caller's values.
    virtual void OnPageReady() {}
    // An element event of the page (CHtmlEngineView::ElementEvent).
    virtual void OnElementEvent(int /*code*/, const QString & /*id*/) {}
    // A named button was pressed, before the dialog acts on it.
    virtual void OnButtonClick(const QString & /*name*/) {}
    // A press on the page's background.
    virtual void OnBackgroundPressed() {}
    // A picture of the page has arrived.
    virtual void OnDataLoaded() {}
    // Asks the page for its size; the window follows it.
    void fitToPage();

    void keyPressEvent(QKeyEvent *event) override;

private:
    void onPageReady();
    void onPageNotified(const QVariantMap &notice);
    void onButton(const QString &name, const QVariantMap &values);
    void takeSize(const QSize &pageSize, const QString &title);
    void place();

    CHtmlEngineView *m_engine = nullptr;
    DialogValues *m_values = nullptr;
    Placement m_placement = CenterDesktop;
    QPoint m_position;
    int m_result = ResultCancel;
    bool m_sized = false;
};
