#include "label_wrap.h"

#include <QStringList>

namespace trelvin {

QString wrapAtSpaces(const QString& text, const QFontMetrics& metrics, QSize size) {
    const int width = size.width();
    QStringList lines;
    QString line;
    qsizetype i = 0;
    do {
        const qsizetype spacesStart = i;
        while (i < text.size() && text[i] == u' ') ++i;
        const qsizetype wordStart = i;
        while (i < text.size() && text[i] != u' ') ++i;

        const QString spaces = text.mid(spacesStart, wordStart - spacesStart);
        const QString word = text.mid(wordStart, i - wordStart);
        if (spacesStart == 0) {
            line = spaces + word;
        } else if (word.isEmpty()) {
            // Trailing spaces show nothing; keep them only where they fit.
            if (metrics.horizontalAdvance(line + spaces) <= width) line += spaces;
        } else if (metrics.horizontalAdvance(line + spaces + word) <= width) {
            line += spaces + word;
        } else {
            lines << line;
            if (metrics.horizontalAdvance(spaces) > width) lines << QString();
            line = word;
        }
    } while (i < text.size());
    lines << line;

    const int lineSpacing = metrics.lineSpacing();
    qsizetype shown = 1;
    while (shown < lines.size() && shown * lineSpacing + lineSpacing / 2 <= size.height()) ++shown;
    lines.resize(shown);
    return lines.join(u'\n');
}

}  // namespace trelvin
