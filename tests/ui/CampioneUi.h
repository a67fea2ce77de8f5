#pragma once
// Shared by the catalogue and list window tests: the shipped sample
// catalogue and finding controls by objectName.
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <string>

namespace nottaro::test {

// The program folder shipped with Nottaro, holding the sample catalogue.
inline std::string Campione() { return std::string(NOTTARO_SOURCE_DIR) + "/data"; }

template <class T>
T* Figlio(QWidget& w, const char* nome) {
    return w.findChild<T*>(QString::fromLatin1(nome));
}

inline void Clic(QWidget& w, const char* pulsante) {
    QTest::mouseClick(Figlio<QPushButton>(w, pulsante), Qt::LeftButton);
}

}  // namespace nottaro::test
