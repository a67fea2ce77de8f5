#pragma once
// A file written through Qt's devices where every refused byte is kept in
// mind: a painter does not look at the result of its writes, so a full disk
// would otherwise pass unseen and leave a cut document.
#include <QIODevice>

#include <string>

namespace nottaro {

class ScritturaControllata : public QIODevice {
public:
    // Opens `percorso` (an existing file, emptied) for writing.
    explicit ScritturaControllata(const std::string& percorso);
    ~ScritturaControllata() override;

    bool Aperta() const { return fd_ >= 0; }
    // Forces what was written to the disk and closes; the reason of the
    // first write that failed, empty when every byte reached the file.
    std::string Chiudi();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dati, qint64 n) override;

private:
    int fd_ = -1;
    std::string errore_;
};

}  // namespace nottaro
