#pragma once
// A fresh folder per test under the system's temporary folder, removed at the
// end. The name carries the process id and the test's name, so parallel test
// processes never share a folder.
#include <string>
#include <vector>

namespace nottaro::test {

class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    std::string Str() const { return percorso_; }
    std::string File(const std::string& nome) const { return percorso_ + "/" + nome; }
    // Writes the lines with CR LF ends and returns the file's path.
    std::string Scrivi(const std::string& nome, const std::vector<std::string>& righe) const;

private:
    std::string percorso_;
};

}  // namespace nottaro::test
