#pragma once
// Model texts as the widgets show them.

#include <QString>

#include <string>

namespace ferrolith::view {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// Multi-line model texts break lines with CR LF.
inline QString displayText(const std::string& text) {
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

}  // namespace ferrolith::view
