// Replays a fuzz target over its seed corpus folder without libFuzzer.
#include <QDir>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    const QDir corpus(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        std::fprintf(stderr, "%s\n", qPrintable(file.fileName()));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray input = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                               size_t(input.size()));
    }
    // A corpus folder that went missing must not pass as a clean run.
    std::printf("%lld inputs replayed\n", static_cast<long long>(names.size()));
    return names.isEmpty() ? 1 : 0;
}
