// Runs a fuzz target over its seed corpus without libFuzzer, so every build checks the
// targets' properties: each argument is a folder of inputs or one input file.
#include <QDir>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(path).isDir())
            files << path;
        for (const QString& name : QDir(path).entryList(QDir::Files, QDir::Name))
            files << QDir(path).filePath(name);
    }
    for (const QString& path : files) {
        QFile file(path);
        std::fprintf(stderr, "%s\n", qPrintable(path));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray input = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                               size_t(input.size()));
    }
    // A corpus folder that went missing must not pass as a clean run.
    std::printf("%lld inputs replayed\n", static_cast<long long>(files.size()));
    return files.isEmpty() ? 1 : 0;
}
