#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/MemoryLimit.h"

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built program in dir with the given arguments and standard input.
Result Sorv(const QString& dir, const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral(SORV_BINARY), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    Result r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

class BatchCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Write("data.csv", "alpha,1,2,3,4\nbeta,5,6.5,7,-8\ngamma,0.1,0.2,0.3,0.4\n");
    }
    void Write(const char* name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Read(const char* name) const
    {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every file in the folder but the inputs.
    QStringList Outputs() const
    {
        QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        files.removeAll(QStringLiteral("data.csv"));
        files.removeAll(QStringLiteral("empty.csv"));
        files.removeAll(QStringLiteral("sjis.csv"));
        return files;
    }
    QTemporaryDir dir;
};

TEST_F(BatchCli, BadUsageExitsTwoWithOneLineAndNoFile)
{
    const QStringList cases[] = {
        {"--export", "out.png"},
        {"--export", "out.png", "data.csv", "data.csv"},
        {"--export", "out.gif", "data.csv"},
        {"--export", "out.png", "--bogus", "data.csv"},
        {"--export", "out.png", "--chart", "pie", "data.csv"},
        {"--export", "out.png", "--size", "0x600", "data.csv"},
        {"--export", "out.png", "--size", "800", "data.csv"},
        {"--export", "out.png", "--print-area", "200x-287", "data.csv"},
        {"--export", "out.png", "--vlimit", "10", "data.csv"},
        {"--export", "out.png", "--hlimit", "-1", "data.csv"},
        {"--export", "out.png", "--line-width", "100", "data.csv"},
        {"--export", "out.png", "--line-style", "5", "data.csv"},
        {"--export", "out.png", "--model", "6", "data.csv"},
        {"--export", "out.png", "--rotate", "10,20,361", "data.csv"},
        {"--export", "out.png", "--rotate", "10,20", "data.csv"},
        {"--export", "out.png", "--scale-y", "0", "data.csv"},
        {"--export", "out.png", "--scale-z", "1e7", "data.csv"},
        {"--export", "out.png", "--scale-z-fit", "0", "data.csv"},
        {"--export", "out.png", "--colorbar", "--scale-z-fit"},
        {"--export", "out.png", "--vaxis", "0,abc,1", "data.csv"},
        {"--export", "out.png", "--haxis", "0,inf,1", "data.csv"},
        {"--export", "out.png", "--region", "0,0,2147483648,1", "data.csv"},
        {"--export", "out.png", "--region", "3,0,1,2", "data.csv"},  // nothing left of the region
        {"--export", "out.png", "--colors", "FF0000,00FF00,0000FF", "data.csv"},
        {"--export", "out.png", "--colors", "FF0000,00FF00,0000FF,12345G", "data.csv"},
        {"--export", "out.png", "--zoom", "0", "data.csv"},
        {"--export", "out.png", "--zoom", "nan", "data.csv"},
        {"--export", "out.png", "--title", QString(129, QLatin1Char('t')), "data.csv"},
        {"--export", "out.png", "--vlimit"},
        {"--info", "--vlog", "data.csv"},
        {"--info", "--dump", "data.csv"},
        {"--bogus", "data.csv"},  // not a viewer option either
        {"--info", "--delimiter", "pipe", "data.csv"},
        {"--info", "--skip", "-1", "data.csv"},
        {"--dump", "--comment", "ab", "data.csv"},
        {"--dump", "data.csv", "--skip"},
        {"--delimiter", "pipe", "data.csv"},   // the viewer's reading options are checked alike
        {"--columns", "--skip"},
        {"--lang", "fr", "data.csv"},  // refused by the viewer before it needs a display
        {"data.csv", "--lang"},
        {"--export", "out.png", "--lang", "EN", "data.csv"},
        {"--info", "data.csv", "--lang"},
        {"--version", "data.csv"},  // --version and --help stand alone
        {"--info", "--x", "bogus", "data.csv"},
        {"--info", "--x", "column:0", "data.csv"},
        {"--info", "--header", "maybe", "data.csv"},
        {"--info", "--use", "1,,2", "data.csv"},
        {"--info", "--rows", "--columns", "data.csv"},
        {"--info", "--x", "row:2", "--columns", "data.csv"},
        {"--rows", "--skip", "1", "data.csv"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Result r = Sorv(dir.path(), args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("sorv: "));
        EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(BatchCli, UnreadableFileOrFailedWriteExitsOneWithNoFile)
{
    Write("empty.csv", "");
    const QStringList cases[] = {
        {"--export", "out.png", "missing.csv"},
        {"--export", "out.png", "empty.csv"},
        {"--info", "missing.csv"},
        {"--export", "no-such-folder/out.png", "data.csv"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Result r = Sorv(dir.path(), args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(Outputs().isEmpty());
    }
}

TEST_F(BatchCli, WritesEveryFormat)
{
    struct Case {
        const char* file;
        QStringList options;
        const char* start;
    };
    const Case cases[] = {
        {"out.png", {}, "\x89PNG"},
        {"out.svg", {"--chart", "3d"}, "<?xml"},
        {"out.pdf", {"--chart", "line", "--print-area", "180x250"}, "%PDF"},
        {"out.ops", {}, "page 800 600 screen\nrect 0 0 800 600 "},
        {"print.ops", {"--print-area", "200x287", "--size", "400x300"}, "page 1600 1200 print\n"},
        {"opts.OPS",
         {"--chart", "stacked", "--vaxis", "-10,10,2", "--haxis", "0,3,1", "--vlog", "--hlog", "--vlimit", "2",
          "--hlimit", "1", "--no-legend", "--title", "東京", "--colors", "#102030,405060,708090,A0B0C0",
          "--line-style", "4", "--line-width", "99", "--rotate", "0,360,90", "--scale-y", "2", "--scale-z", "0.5",
          "--model", "5", "--zoom", "4.5", "--region", "1,0,3,1"},
         "page 800 600 screen\nrect 0 0 800 600 pen=0,0,0x605040 brush=0x605040\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Result r = Sorv(dir.path(), QStringList{"--export", c.file} << c.options << QStringLiteral("data.csv"));
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        EXPECT_TRUE(Read(c.file).startsWith(c.start)) << Read(c.file).left(80).toStdString();
        EXPECT_EQ(Outputs(), QStringList{QString::fromUtf8(c.file)});
        QFile::remove(dir.filePath(QString::fromUtf8(c.file)));
    }
}

TEST_F(BatchCli, TitleIsDrawnInTheDocumentsEncoding)
{
    Write("sjis.csv", "\x93\x8C\x8B\x9E,1,2,3\nb,4,5,6\n");  // a Shift-JIS label
    for (const char* data : {"data.csv", "sjis.csv"}) {
        SCOPED_TRACE(data);
        const Result r = Sorv(dir.path(), QStringList{"--export", "t.ops", "--title", "東京タワー", data});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(Read("t.ops").contains("\"東京タワー\" font=")) << Read("t.ops").toStdString();
    }
    EXPECT_TRUE(Read("t.ops").contains("\"東京\" font="));  // the legend decodes the label
}

TEST_F(BatchCli, PdfPageIsThePrintableArea)
{
    const struct {
        QStringList options;
        double widthMm;
        double heightMm;
    } cases[] = {{{}, 200, 287}, {{"--print-area", "180x250"}, 180, 250}, {{"--print-area", "297x210"}, 297, 210}};
    for (const auto& c : cases) {
        const Result r = Sorv(dir.path(), QStringList{"--export", "p.pdf"} << c.options << QStringLiteral("data.csv"));
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(Read("p.pdf")));
        ASSERT_TRUE(m.hasMatch());
        EXPECT_NEAR(m.captured(1).toDouble(), c.widthMm / 25.4 * 72, 1.0);
        EXPECT_NEAR(m.captured(2).toDouble(), c.heightMm / 25.4 * 72, 1.0);
    }
}

TEST_F(BatchCli, PngHasTheClientSize)
{
    const Result r = Sorv(dir.path(), QStringList{"--export", "small.png", "--size", "320x200", "data.csv"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("small.png"))).size(), QSize(320, 200));
}

// The exported file gets the mode the umask gives a new file, as any program's would.
TEST_F(BatchCli, OutputModeFollowsTheUmask)
{
    for (const mode_t mask : {mode_t(022), mode_t(077)}) {
        const mode_t old = umask(mask);
        const Result r = Sorv(dir.path(), QStringList{"--export", "m.png", "data.csv"});
        umask(old);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(dir.filePath("m.png")).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask) << std::oct << mask;
    }
}

// The usage text is made from the option table: every option, in its place.
TEST_F(BatchCli, HelpPrintsTheUsage)
{
    const Result r = Sorv(dir.path(), QStringList{"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty());
    EXPECT_EQ(r.out.toStdString(),
              "usage: sorv [--lang ja|en] [--follow N] [READING OPTIONS] [FILE ...]\n"
              "       sorv --export OUT [OPTIONS] FILE   (OUT: .png, .svg, .pdf or .ops)\n"
              "       sorv --info [READING OPTIONS] FILE\n"
              "       sorv --dump [READING OPTIONS] FILE\n"
              "       sorv --help | --version\n"
              "options:\n"
              "  --chart scatter|line|stacked|3d   --size WxH (pixels, 1..10000, default 800x600)\n"
              "  --print-area WxH (mm, 1..5000; printed layout)   --region X1,Y1,X2,Y2 (0..2147483647)\n"
              "  --follow N (the last N columns, 0 for all; the viewer too)\n"
              "  --vaxis MIN,MAX,STEP   --haxis MIN,MAX,STEP   --vlog   --hlog\n"
              "  --vlimit 0..9   --hlimit 0..9   --nice (rounded ticks)   --no-nice\n"
        "  --no-legend   --title TEXT (at most 128 bytes in Shift-JIS)\n"
              "  --colors FG,BG,VIEW,AXIS (each RRGGBB)   --line-style 0..4   --line-width 0..99\n"
              "  --rotate X,Y,Z (0..360 each)   --scale-y S   --scale-z S (0.000001..1000000)\n"
              "  --model 0..5   --zoom Z (0.2..5)\n"
              "  --scale-z-fit SHARE (0.01..10 of the 3D box's longer side)   --colorbar (3D value scale)\n"
              "  --hide N,... (series from 1)   --right N,... (series on a V axis at the right)\n"
              "  --palette classic|okabe-ito|tol12   --markers plain (without the foreground outline)\n"
              "reading options (the viewer, --export, --info and --dump; FILE - is standard input):\n"
              "  --columns   --rows   --delimiter auto|comma|tab|semicolon|blank   --header yes|no|auto\n"
              "  --x first|column:N|row:N|index   --use N,N-M,N-,NAME...   --skip N\n"
              "  --comment C (default #; \"\" for none)   --decimal-comma\n"
              "  columns and rows are numbered from 1; without reading options a file that the viewer would\n"
              "  offer the import dialog for is imported as detected, which is said on standard error\n"
              "after a lone --, every argument is a file; Qt takes no option from the command line\n");
}

// The version is project()'s, for scripts and bug reports to read.
TEST_F(BatchCli, VersionPrintsTheProjectVersion)
{
    const Result r = Sorv(dir.path(), QStringList{"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "sorv " SORV_VERSION "\n");
}

// The reading options import the file (standard input as "-"); --info then
// counts the missing cells, and problems the import got past go to stderr.
TEST_F(BatchCli, ReadingOptionsImportFilesAndStandardInput)
{
    Write("logger.csv", "time,temp,rh\n0,21.5,40\n10,,41\n20,22,42\n");
    Write("sheet.csv", "name;a;b\n\"x\";1,5;2\ny;3;\n");
    struct Case {
        QStringList args;
        QByteArray input;
        std::string out;
        bool warned;
    } const cases[] = {
        {{"--info", "--columns", "logger.csv"}, {}, "rows 2\ncols 3\nmin 21.5\nmax 42\nregion 0 0 2 1\nmissing 1\n", false},
        {{"--info", "--columns", "-"}, Read("logger.csv"), "rows 2\ncols 3\nmin 21.5\nmax 42\nregion 0 0 2 1\nmissing 1\n", false},
        {{"--dump", "--delimiter", "semicolon", "--decimal-comma", "sheet.csv"}, {}, "x,1.5,2\ny,3,nan\n", false},
        {{"--dump", "--delimiter", "auto", "--skip", "1", "--comment", "", "-"}, "junk\n#a,1,2\nb,3,4\n", "#a,1,2\nb,3,4\n", false},
        {{"--dump", "--delimiter", "comma", "-"}, "a,1,2,3\nb,4\n", "a,1,2,3\nb,4,nan,nan\n", true},
        // Without reading options, the default reader as ever, standard input too.
        {{"--info", "-"}, Read("data.csv"), "rows 3\ncols 4\nmin -8\nmax 7\nregion 0 0 3 2\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const Result r = Sorv(dir.path(), c.args, c.input);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), c.out);
        EXPECT_EQ(r.err.contains("padded with missing values"), c.warned) << r.err.toStdString();
    }
    // An export of standard input is titled with its name, not "-".
    const Result ops = Sorv(dir.path(), {"--export", "out.ops", "-"}, Read("data.csv"));
    ASSERT_EQ(ops.status, 0) << ops.err.toStdString();
    EXPECT_TRUE(Read("out.ops").contains("\"標準入力\"")) << Read("out.ops").left(400).toStdString();
}

// Without reading options the command line reads what the viewer would
// offer the import dialog for as detected, and says so in one line; a row
// file is read as ever. --rows asks for the row reader, whose refusal of an
// importable file names the way out.
TEST_F(BatchCli, ReadsWhatTheViewerWouldImportAsDetected)
{
    Write("logger.csv", "time,temp,rh\n0,21.5,40\n10,,41\n20,22,42\n30,23,43\n");
    Write("table.tsv", "a\t1\t2\nb\t3\t4\n");
    Write("times.csv", "t,v\n2026-01-01T00:00:00,1\n2026-01-01T00:00:30.5,2\n2026-01-01T01:00:00+00:00,3\n"
                       "2026-01-01T02:00:00Z,4\n");
    Write("years.csv", "Country Name,Country Code,1960,1961,1962\nAruba,ABW,1.5,,2.5\nChad,TCD,3,4,5\n");
    struct Case {
        QStringList args;
        int status;
        std::string out, err;
    } const cases[] = {
        {{"--dump", "logger.csv"}, 0, "x,0,10,20,30\ntemp,21.5,nan,22,23\nrh,40,41,42,43\n",
         "sorv: logger.csv: read column-wise: comma, header, first column x\n"},
        {{"--dump", "table.tsv"}, 0, "a,1,2\nb,3,4\n", "sorv: table.tsv: read row-wise: tab, no header, first column labels\n"},
        {{"--dump", "data.csv"}, 0, "alpha,1,2,3,4\nbeta,5,6.5,7,-8\ngamma,0.10000000000000001,0.20000000000000001,"
                                  "0.29999999999999999,0.40000000000000002\n", ""},
        {{"--dump", "times.csv"}, 0, "x,2026-01-01 00:00:00,2026-01-01 00:00:30.5,2026-01-01 01:00:00,"
                                      "2026-01-01 02:00:00\nv,1,2,3,4\n",
         "sorv: times.csv: read column-wise: comma, header, first column x\n"},
        {{"--dump", "years.csv"}, 0, "x,1960,1961,1962\nAruba,1.5,nan,2.5\nChad,3,4,5\n",
         "sorv: years.csv: read row-wise: comma, header, columns 1,3-, first column labels, header x\n"},
        {{"--dump", "--x", "row:1", "table.tsv"}, 0, "x,1,2\nb,3,4\n", ""},
        {{"--dump", "--columns", "--use", "rh", "--x", "index", "logger.csv"}, 0, "rh,40,41,42,43\n", ""},
        {{"--dump", "--rows", "table.tsv"}, 1, "",
         "sorv: table.tsv: the data has three cells or fewer (at least four are needed); without --rows it is read "
         "row-wise: tab, no header, first column labels\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const Result r = Sorv(dir.path(), c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out.toStdString(), c.out);
        EXPECT_EQ(r.err.toStdString(), c.err);
    }
}

// Option values and file names that look like Qt's own options are Sorv's:
// Qt never sees any argument. A lone "--" ends the options.
TEST_F(BatchCli, ArgumentsThatLookLikeQtOptionsAreSorvs)
{
    Write("-platform", "minus,1,2,3,4\n");
    const struct {
        QStringList args;
        const char* titleDrawn;
    } cases[] = {
        {{"--export", "t.ops", "--title", "-platform", "data.csv"}, "\"-platform\""},
        {{"--export", "t.ops", "--title", "-style", "--chart", "line", "data.csv"}, "\"-style\""},
        {{"--export", "t.ops", "--title", "-reverse", "--", "-platform"}, "\"-reverse\""},
        {{"--export", "t.ops", "--", "-platform"}, "\"minus\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const Result r = Sorv(dir.path(), c.args);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        EXPECT_TRUE(Read("t.ops").contains(c.titleDrawn)) << Read("t.ops").left(400).toStdString();
        QFile::remove(dir.filePath(QStringLiteral("t.ops")));
    }
    const Result info = Sorv(dir.path(), QStringList{"--info", "--", "-platform"});
    EXPECT_EQ(info.out.toStdString(), "rows 1\ncols 4\nmin 1\nmax 4\nregion 0 0 3 0\n");
    // After "--" there is still only one file.
    EXPECT_EQ(Sorv(dir.path(), QStringList{"--info", "--", "data.csv", "-platform"}).status, 2);
}

// A document region past 65535 rows, as far as the largest index.
TEST_F(BatchCli, RegionBeyond65535)
{
    QByteArray rows;
    for (int r = 0; r < 70000; ++r)
        rows += "r," + QByteArray::number(r) + ",1\n";
    Write("long.csv", rows);
    const Result r = Sorv(dir.path(), QStringList{"--export", "long.ops", "--chart", "line", "--no-legend", "--region",
                                                  "0,69990,2147483647,2147483647", "long.csv"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    // One segment per row of the region, rows 69990 to 69999, inside the plot's clip.
    const QByteArray ops = Read("long.ops");
    const qsizetype clip = ops.indexOf("\nclip ");
    EXPECT_EQ(ops.mid(clip, ops.indexOf("\nclip off") - clip).count("\nline "), 10) << ops.toStdString();
}

// The H axis names the region's columns: the ends read 5 and 10, not 0 and 39.
TEST_F(BatchCli, RegionMovesTheHorizontalAxis)
{
    QByteArray row = "a";
    for (int c = 0; c < 40; ++c)
        row += "," + QByteArray::number(c % 7);
    Write("series.csv", row + "\n" + row + "\n");
    const Result r = Sorv(dir.path(), QStringList{"--export", "r.ops", "--region", "5,0,10,4", "series.csv"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray ops = Read("r.ops");
    EXPECT_TRUE(ops.contains(" 18 \"5\" font=12,6,0\n") && ops.contains(" 18 \"10\" font=12,6,0\n")) << ops.toStdString();
}

// Memory that runs out while drawing is reported in words, with exit status 1
// and no file, as the command line reports a file it cannot write; a
// recording is written as it is drawn and never runs short.
TEST_F(BatchCli, MemoryRunningOutIsReported)
{
    if (!AddressSpaceCanBeLimited())
        GTEST_SKIP() << "the sanitizers reserve the address space a limit would cut";
    QByteArray text;
    for (int r = 0; r < 2000; ++r) {
        text += "r";
        for (int c = 0; c < 1000; ++c)
            text += "," + QByteArray::number((r * 7 + c) % 97);
        text += "\n";
    }
    Write("big.csv", text);
    const auto limited = [this](const QStringList& args) {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.setChildProcessModifier([] {
            const rlimit limit{400u << 20, 400u << 20};
            setrlimit(RLIMIT_AS, &limit);
        });
        p.start(QStringLiteral(SORV_BINARY), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        return std::make_pair(p.exitCode(), p.readAllStandardError());
    };
    // Reading needs some 30 MB, an image of 10000 x 10000 pixels 400 MB.
    const auto [status, err] = limited({"--export", "big.png", "--size", "10000x10000", "big.csv"});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "sorv: big.png: not enough memory to draw the chart\n");
    QStringList left = Outputs();
    left.removeAll(QStringLiteral("big.csv"));
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char(' ')).toStdString();

    // Two million shapes, some 120 MB of text, which kept whole would need far more than 400 MB.
    const auto [opsStatus, opsErr] = limited({"--export", "big.ops", "--chart", "stacked", "big.csv"});
    EXPECT_EQ(opsStatus, 0) << opsErr.toStdString();
    QFile ops(dir.filePath(QStringLiteral("big.ops")));
    ASSERT_TRUE(ops.open(QIODevice::ReadOnly));
    qint64 polys = 0;
    while (!ops.atEnd())
        polys += ops.readLine().startsWith("poly ");
    EXPECT_EQ(polys, 2000 * 999);  // a band of 999 quads a row
}

// --lang is taken by every command and changes nothing they write.
TEST_F(BatchCli, LanguageChangesNoOutput)
{
    const QStringList commands[] = {{"--info", "data.csv"}, {"--dump", "data.csv"}, {"--export", "out.ops", "data.csv"},
                                    {"--export", "out.ops", "--chart", "3d", "data.csv"}, {"--help"},
                                    {"--version"}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        const Result plain = Sorv(dir.path(), command);
        const QByteArray written = Read("out.ops");
        for (const QStringList& lang : {QStringList{"--lang", "en"}, QStringList{"--lang", "ja"}}) {
            const Result r = Sorv(dir.path(), lang + command);
            EXPECT_EQ(r.status, 0) << r.err.toStdString();
            EXPECT_EQ(r.out, plain.out);
            EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
            EXPECT_EQ(Read("out.ops"), written);
        }
        QFile::remove(dir.filePath(QStringLiteral("out.ops")));
    }
}

TEST_F(BatchCli, InfoAndDumpPrintTheDocument)
{
    const Result info = Sorv(dir.path(), QStringList{"--info", "data.csv"});
    EXPECT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_EQ(info.out.toStdString(), "rows 3\ncols 4\nmin -8\nmax 7\nregion 0 0 3 2\n");
    const Result dump = Sorv(dir.path(), QStringList{"--dump", "data.csv"});
    EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_EQ(dump.out.toStdString(), "alpha,1,2,3,4\nbeta,5,6.5,7,-8\n"
                                      "gamma,0.10000000000000001,0.20000000000000001,0.29999999999999999,"
                                      "0.40000000000000002\n");
}

}  // namespace
