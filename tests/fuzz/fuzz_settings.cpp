// Feeds arbitrary bytes, as the program's settings files, to their readers: the main
// window's options ("mainform.txt") and the type list ("typeliste.txt"). What they read must
// save into lines that read back the same.
#include "fuzzsupport.h"

#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/mainoptions.h"
#include "shared/typeliste.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_settings", false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::bytesOf(data, size);

    // mainform.txt
    QStringList lines = TextFile::decode(bytes);
    MainOptions options;
    const bool complete = options.read(lines);
    require(!complete || lines.size() >= MainOptions::LineCount,
            "complete options need every line");
    const QStringList saved = options.lines();
    require(saved.size() == MainOptions::LineCount, "the options are saved in full");
    MainOptions again;
    require(again.read(saved) && again.lines() == saved, "saved options read back the same");

    // typeliste.txt, through the file the program reads.
    const QString path = QStringLiteral("C:\\typeliste.txt");
    FuzzSupport::writeHost(*Platform::hostPath(path), bytes);
    Typeliste types;
    require(bool(types.load(path)), "an existing type list loads");
    const QList<Typeliste::Type> read = types.types();
    require(types.offered().size() <= read.size() && types.filterEntries().size() <= read.size(),
            "offered types are types");
    Typeliste copy;
    copy.setTypes(read);
    require(copy.types().size() == read.size(), "the types set are kept");
    if (copy.save(path)) {
        Typeliste back;
        require(bool(back.load(path)) && back.filliste() == copy.filliste(),
                "a saved type list loads unchanged");
    }
    return 0;
}
