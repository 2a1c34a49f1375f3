#pragma once

#include "links/PostFooterSetting.h"

#include "engine/AnimatedDialog.h"

class QCheckBox;
class QLineEdit;

// The program's preferences: whether the posts the user edits get a footer,
// and its words.
class CPreferencesDialog : public CAnimatedDialog
{
    Q_OBJECT
public:
    explicit CPreferencesDialog(QWidget *parent = nullptr);

    // Without words of its own, the footer shows the default words.
    void setFooter(const PostFooterSetting &footer);
    // The default words come back as no words of the user's, so that they
    // follow the program's version.
    PostFooterSetting footer() const;

    QCheckBox *footerCheckBox() const { return m_footerBox; }
    QLineEdit *footerTextEdit() const { return m_footerText; }

private:
    QCheckBox *m_footerBox;
    QLineEdit *m_footerText;
};
