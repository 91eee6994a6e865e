// Runs a fuzz target over given files and folders of inputs, once each: how
// the kept inputs are replayed in the ordinary test suite, without libFuzzer.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        if (!QFileInfo::exists(arg)) continue;  // a folder of kept inputs not made yet
        QStringList files{arg};
        if (QFileInfo(arg).isDir()) {
            files.clear();
            for (QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) files << it.next();
        }
        for (const QString& name : files) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly)) return std::fprintf(stderr, "cannot read %s\n", qPrintable(name)), 1;
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
