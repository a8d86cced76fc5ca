#pragma once
#include <QDialog>

class CHyperLink;
class QLabel;

// The About box: program name and version, the maker's web and mail addresses and the manual as
// links, and the credits. Laid out in dialog units of its font, as its resource describes it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CHyperLink& GetReadMeLink() const { return *m_ReadMeLink; }
    CHyperLink& GetWebLink() const { return *m_WebLink; }
    CHyperLink& GetMailLink() const { return *m_MailLink; }

private:
    // Gives the links their targets: the maker's addresses and the manual beside the program.
    void OnInitDialog();

    CHyperLink* m_ReadMeLink;
    CHyperLink* m_WebLink;
    CHyperLink* m_MailLink;
};
