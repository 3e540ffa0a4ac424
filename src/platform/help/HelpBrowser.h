// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextBrowser>

// The help viewer's page: shows one local document. It loads nothing from outside
// the program's own resources, and the only links it follows lead within the page or
// to another language's help document.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;
    // Shows the document, its links in a colour that reads on the page.
    void setPage(const QString& html);
    // The file names that links may lead to.
    void setDocuments(const QStringList& names) { m_documents = names; }

signals:
    void documentRequested(const QString& name, const QString& anchor);
    // A modal window has come up that would keep the viewer from taking input.
    void blocked();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void follow(const QUrl& link);

    QStringList m_documents;
    QString m_page;
};
