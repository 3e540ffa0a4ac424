// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpBrowser.h"

#include "platform/desktop/ReadableText.h"

#include <QKeyEvent>
#include <QScrollBar>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Lines break between words only. Thai writes no blanks between its words: where no
    // Thai dictionary finds them (libthai missing, and on Windows), a phrase longer than
    // the line runs on rather than being cut in the middle of a word.
    setWordWrapMode(QTextOption::WordWrap);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::follow);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qrc"))
        return QTextBrowser::loadResource(type, name);
    return {};
}

void HelpBrowser::setPage(const QString& html) {
    m_page = html;
    // The document takes its link colour from the application's palette, and only as it is
    // read in: the colour goes in with it.
    document()->setDefaultStyleSheet(
        QStringLiteral("a { color: %1 }").arg(ReadableText::linkOn(palette()).name()));
    setHtml(html);
}

void HelpBrowser::follow(const QUrl& link) {
    if (!link.isRelative())
        return;
    const QString path = link.path();
    if (path.isEmpty()) {
        if (link.hasFragment())
            scrollToAnchor(link.fragment());
    } else if (m_documents.contains(path)) {
        emit documentRequested(path, link.fragment());
    }
}

bool HelpBrowser::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked)
        emit blocked();
    return QTextBrowser::event(event);
}

void HelpBrowser::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && !m_page.isEmpty()) {
        const int at = verticalScrollBar()->value();
        setPage(m_page);
        verticalScrollBar()->setValue(at);
    }
    QTextBrowser::changeEvent(event);
}

void HelpBrowser::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
