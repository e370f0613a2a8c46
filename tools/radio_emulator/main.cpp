// t40-radio-emulator: a virtual T40 on a pseudo-terminal, for trying the
// program or the command-line tool without a radio.

#include "data_file.h"
#include "program_files.h"
#include "pty_radio_server.h"
#include "virtual_radio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>

#include <csignal>
#include <cstdio>

using namespace t40;

namespace {
PtyRadioServer* g_server = nullptr;

void OnSignal(int)
{
    if (g_server)
        g_server->stop(); // serve() runs on this thread: this only raises the stop flag
}

int IntOption(const QCommandLineParser& parser, const QString& name, int base = 10)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok, base);
    if (!ok) {
        std::fprintf(stderr, "t40-radio-emulator: bad value for --%s\n", qPrintable(name));
        std::exit(2);
    }
    return value;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("t40-radio-emulator"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A virtual T40 radio on a pseudo-terminal."));
    parser.addHelpOption();
    parser.addOptions({
        { QStringLiteral("load"), QStringLiteral("Load the radio's memory from a .rdat file or a bare 1024-byte image (default: the factory image)."), QStringLiteral("file") },
        { QStringLiteral("save"), QStringLiteral("Save the radio's memory to a .rdat file after every session and on exit."), QStringLiteral("file") },
        { QStringLiteral("com"), QStringLiteral("Register the terminal as COMn for the programs (settings value Ports/COMn)."), QStringLiteral("n") },
        { QStringLiteral("pace"), QStringLiteral("Run the line at 9600 baud in both directions.") },
        { QStringLiteral("band-flag"), QStringLiteral("Identity byte 5 (1 = VHF); default: image byte 445."), QStringLiteral("byte") },
        { QStringLiteral("silent"), QStringLiteral("Never answer.") },
        { QStringLiteral("wrong-ack-at"), QStringLiteral("Answer frame n with 0x15 instead of 0x06."), QStringLiteral("n") },
        { QStringLiteral("other-address-at"), QStringLiteral("Answer read request n for another address (--other-address)."), QStringLiteral("n") },
        { QStringLiteral("other-address"), QStringLiteral("The address (hex) of --other-address-at."), QStringLiteral("hex") },
        { QStringLiteral("short-reply-at"), QStringLiteral("Answer read request n with half its bytes."), QStringLiteral("n") },
        { QStringLiteral("hang-up-after"), QStringLiteral("Go away (the terminal vanishes) after n frames."), QStringLiteral("n") },
        { QStringLiteral("row"), QStringLiteral("Be the next radio of a row after each session: taken off when the line goes quiet, the next one (the starting memory again) plugged in 1.5 s later. A hang-up is a radio pulled off the cable.") },
        { QStringLiteral("other-band-every"), QStringLiteral("With --row: every nth radio has the other band."), QStringLiteral("n") },
        { QStringLiteral("change-byte-at"), QStringLiteral("Store the inverse of the byte written to this address (hex)."), QStringLiteral("hex") },
        { QStringLiteral("change-byte-times"), QStringLiteral("With --change-byte-at: only the first n writes of that byte (a fault that goes away, so a restore can succeed)."), QStringLiteral("n") },
    });
    parser.process(app);

    // A new radio holds the factory image; --load of a file that does not exist
    // yet starts from it too (and --save then creates the file).
    VirtualRadio radio;
    if (LoadTemplate(ProgramDataPath(QStringLiteral("Init.dat")), radio.memory()) != TemplateStatus::Ok)
        std::fprintf(stderr, "t40-radio-emulator: the factory image Init.dat is missing; the memory starts erased\n");
    const QString loadPath = parser.value(QStringLiteral("load"));
    if (!loadPath.isEmpty() && QFileInfo::exists(loadPath)) {
        QString reason;
        if (!radio.loadDataFile(loadPath, &reason)) {
            std::fprintf(stderr, "t40-radio-emulator: cannot load %s: %s\n", qPrintable(loadPath), qPrintable(reason));
            return 1;
        }
    } else if (!loadPath.isEmpty()) {
        std::fprintf(stderr, "t40-radio-emulator: %s does not exist yet; starting from the factory image\n",
                     qPrintable(loadPath));
    }
    radio.setBandFlag(radio.memory().byte(445));
    if (parser.isSet(QStringLiteral("band-flag")))
        radio.setBandFlag(std::uint8_t(IntOption(parser, QStringLiteral("band-flag"), 0)));
    RadioFaults& faults = radio.faults();
    faults.silent = parser.isSet(QStringLiteral("silent"));
    if (parser.isSet(QStringLiteral("wrong-ack-at")))
        faults.wrongAckAtFrame = IntOption(parser, QStringLiteral("wrong-ack-at"));
    if (parser.isSet(QStringLiteral("other-address-at"))) {
        faults.otherAddressAtRead = IntOption(parser, QStringLiteral("other-address-at"));
        faults.otherAddress = IntOption(parser, QStringLiteral("other-address"), 16);
    }
    if (parser.isSet(QStringLiteral("short-reply-at")))
        faults.shortReplyAtRead = IntOption(parser, QStringLiteral("short-reply-at"));
    if (parser.isSet(QStringLiteral("hang-up-after")))
        faults.hangUpAfterFrames = IntOption(parser, QStringLiteral("hang-up-after"));
    if (parser.isSet(QStringLiteral("change-byte-at")))
        faults.changedByteAddress = IntOption(parser, QStringLiteral("change-byte-at"), 16);
    if (parser.isSet(QStringLiteral("change-byte-times")))
        faults.changedByteTimes = IntOption(parser, QStringLiteral("change-byte-times"));

    if (parser.isSet(QStringLiteral("row")))
        radio.setRowMode(true, parser.isSet(QStringLiteral("other-band-every")) ? IntOption(parser, QStringLiteral("other-band-every")) : 0);

    PtyRadioServer server(radio);
    QString reason;
    if (!server.open(&reason)) {
        std::fprintf(stderr, "t40-radio-emulator: cannot create a pseudo-terminal: %s\n", qPrintable(reason));
        return 1;
    }
    server.setPaced(parser.isSet(QStringLiteral("pace")));

    const QString savePath = parser.value(QStringLiteral("save"));
    auto save = [&radio, &savePath] {
        QString why;
        if (!savePath.isEmpty() && !radio.saveDataFile(savePath, &why))
            std::fprintf(stderr, "t40-radio-emulator: cannot save %s: %s\n", qPrintable(savePath), qPrintable(why));
    };
    server.setOnSessionEnd(save);

    QString comKey;
    if (parser.isSet(QStringLiteral("com"))) {
        comKey = QStringLiteral("Ports/COM%1").arg(IntOption(parser, QStringLiteral("com")));
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).setValue(comKey, server.devicePath());
    }

    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);

    g_server = &server;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    server.serve();
    g_server = nullptr;

    if (server.vanished())
        std::fprintf(stderr, "t40-radio-emulator: hung up\n");
    save();
    if (!comKey.isEmpty())
        QSettings(QStringLiteral("ZEV"), QStringLiteral("T40")).remove(comKey);
    return 0;
}
