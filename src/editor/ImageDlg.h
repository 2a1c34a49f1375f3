#pragma once

#include "engine/HtmlFormDialog.h"

#include <QElapsedTimer>
#include <QTimer>

// What the Insert Image dialog edits: texts are empty and numbers -1 when
// not given.
struct ImageInfo
{
    QString src;
    int width = -1;
    int height = -1;
    QString alt;
    int border = -1;
    int vspace = -1;
    int hspace = -1;
    QString align;
};

// The Insert Image dialog, a page of the program's resources with a live
// preview of the image beside the fields. OK (the button named "Close")
// ends it with ResultClose and reads the fields back into the record; the
// IMG markup of the fields is ready at every change.
class CImageDlg : public CHtmlFormDialog
{
    Q_OBJECT
public:
    // An empty source becomes DefaultImageSource().
    explicit CImageDlg(const ImageInfo &info, QWidget *parent = nullptr);

    int run();
    const ImageInfo &info() const { return m_info; }
    QString markup() const { return m_markup; }

    // A picture address on the clipboard (.gif, .png, .jpg, .jpeg), else the
    // product's sample picture when the product has a real site, else none.
    static QString DefaultImageSource();
    // The number a text starts with (an optional sign and digits, after
    // white space), or the fallback when it starts with none.
    static int LeadingNumber(const QString &text, int fallback);

protected:
    void OnPageReady() override;
    void OnElementEvent(int code, const QString &id) override;
    void OnButtonClick(const QString &name) override;
    void OnDataLoaded() override;

private:
    void UpdateImagePreview();
    void readFields();
    void noteChange();
    QString fieldText(const QString &id) const;

    ImageInfo m_info;
    QString m_markup;
    // The window follows the page's size once changes have settled.
    QTimer m_resizeTimer;
};
