#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>

namespace trelvin {

// Breaks `text` into the lines a label of `size` shows, at spaces only. Qt's
// own word wrap would also break at punctuation, splitting a number such as
// 0.707106781186548 after "0.".
// - The spaces at a break are dropped, except a run of spaces wider than the
//   label, which stands as a blank line of its own: captions use such runs
//   to push a word down beside the control it names.
// - Leading spaces of the text are kept; a word wider than the label stays
//   whole on its own line, and the label clips it at its right edge.
// - Lines of which less than half would show are left out, so no sliver of
//   a clipped line shows under the last one.
QString wrapAtSpaces(const QString& text, const QFontMetrics& metrics, QSize size);

}  // namespace trelvin
