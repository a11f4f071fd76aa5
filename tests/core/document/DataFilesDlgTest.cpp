#include "document/DataFilesDlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "core/fileio/FileioTestSupport.h"
#include "design/LumenData.h"
#include "platform/Archive.h"
#include "platform/FileDlg.h"
#include "support/FakeUserInterface.h"

namespace tapwright {
namespace {

using test::DataOf;
using test::FakeUserInterface;
using test::ReadBytesFrom;
using test::TempDir;
using test::ValuesOf;
using test::WriteBytesTo;

class DataFilesDlgTest : public testing::Test {
protected:
    // The dialog as the user leaves it: names typed into the edits, formats chosen by name.
    void ExpectDialog(std::string first, const char* firstFormat, std::string second = "",
                      const char* secondFormat = "Text:Decimal", bool isComplex = false) {
        ui.ExpectDialog<CDataFilesDlg>([=](CDataFilesDlg& d) {
            d.inphase.title = first;
            d.quadrature.title = second;
            d.isComplex = isComplex;
            Choose(d.inphase, firstFormat);
            Choose(d.quadrature, secondFormat);
            return true;
        });
    }

    static void Choose(DataFileEntry& file, const char* name) {
        const auto& names = file.formats.names;
        const auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(found, names.end()) << name;
        CDataFilesDlg::OnFormatChanged(file, static_cast<std::int32_t>(found - names.begin()));
    }

    // After an error the dialog comes back; the user gives up.
    void ExpectCancelAfterError() {
        ui.ExpectDialog<CDataFilesDlg>([](CDataFilesDlg&) { return false; });
    }

    // Paths in the temporary directory, so that the names typed are taken relative to it.
    void StartIn(const TempDir& dir) {
        dialog.inphase.path = dir.File("");
        dialog.quadrature.path = dir.File("");
    }

    FakeUserInterface ui;
    CDataFilesDlg dialog;
};

TEST_F(DataFilesDlgTest, CancelChangesNeitherDataNorDialog) {
    CLumenData data = DataOf({0.5});
    dialog.inphase.title = "kept.txt";
    ui.ExpectDialog<CDataFilesDlg>([](CDataFilesDlg& d) {
        d.inphase.title = "other.txt";
        return false;
    });
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(dialog.inphase.title, "kept.txt");
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
}

TEST_F(DataFilesDlgTest, OpeningPreparesListsEnablesAndDefaultNames) {
    CLumenData data = DataOf({0.5});
    dialog.inphase.format.SetCode(FormatCode::Wave16Bit);
    dialog.quadrature.format.SetCode(FormatCode::AsmTi);
    ui.ExpectDialog<CDataFilesDlg>([](CDataFilesDlg& d) {
        EXPECT_EQ(d.caption, "Export Coefficients");
        EXPECT_FALSE(d.reading);
        EXPECT_FALSE(d.IsComplexEnabled());
        EXPECT_EQ(d.inphase.formats.names.at(static_cast<std::size_t>(d.inphase.formats.selected)),
                  "Binary:Wave");
        EXPECT_TRUE(CDataFilesDlg::IsOptionsEnabled(d.inphase));
        EXPECT_EQ(d.quadrature.format.AsmOptions().name, "lp_tws");
        EXPECT_EQ(d.quadrature.format.COptions().varName, "lp_tws");
        Choose(d.inphase, "Text:Hex");
        EXPECT_FALSE(CDataFilesDlg::IsOptionsEnabled(d.inphase));
        return false;
    });
    EXPECT_EQ(dialog.Export(data, "lp.tws", "Export Coefficients", true), 0);

    ui.ExpectDialog<CDataFilesDlg>([](CDataFilesDlg& d) {
        EXPECT_TRUE(d.IsComplexEnabled());
        // A write-only format is not in the reading list.
        EXPECT_EQ(d.quadrature.formats.selected, -1);
        return false;
    });
    EXPECT_EQ(dialog.Import(data, "lp.tws", "Import Coefficients", true), 0);
}

TEST_F(DataFilesDlgTest, OkJoinsTheEditedNamesToThePreviousDirectories) {
    dialog.inphase.path = "/data/old/i.txt";
    dialog.inphase.title = "new.txt";
    dialog.quadrature.path = "q.txt";
    dialog.quadrature.title = "";
    dialog.inphase.formats = dialog.inphase.format.FillFormatList(FormatDirection::Read);
    dialog.inphase.formats.selected = 4;
    dialog.OnOK();
    EXPECT_EQ(dialog.inphase.path, "/data/old/new.txt");
    EXPECT_EQ(dialog.inphase.format.GetCode(), FormatCode::TextHex);
    EXPECT_EQ(dialog.quadrature.path, "");
    EXPECT_EQ(dialog.quadrature.format.GetCode(), FormatCode::None);
}

TEST_F(DataFilesDlgTest, TypedPathsAreJoinedOnceHoweverOftenTheDialogIsUsed) {
    dialog.inphase.path = "/tmp/w/lp.c";
    dialog.inphase.title = "/tmp/w/lp.asm";
    dialog.OnOK();
    EXPECT_EQ(dialog.inphase.path, "/tmp/w/lp.asm");
    EXPECT_EQ(dialog.inphase.title, "lp.asm");
    // The next use offers the name alone and leads to the same file.
    dialog.OnOK();
    EXPECT_EQ(dialog.inphase.path, "/tmp/w/lp.asm");

    dialog.inphase.title = "sub/taps.txt";
    dialog.OnOK();
    dialog.OnOK();
    EXPECT_EQ(dialog.inphase.path, "/tmp/w/sub/taps.txt");
    EXPECT_EQ(dialog.inphase.title, "taps.txt");

    dialog.inphase.title = "  /data/x.hex ";
    dialog.OnOK();
    EXPECT_EQ(dialog.inphase.path, "/data/x.hex");
}

TEST_F(DataFilesDlgTest, BrowseStartsWhereATypedPathLeads) {
    TempDir dir;
    dialog.inphase.path = "/nowhere/old.txt";
    dialog.inphase.title = dir.File("taps.txt");
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& d) {
        EXPECT_EQ(d.initialDirectory, dir.Path());
        EXPECT_EQ(d.fileName, "taps.txt");
        return false;
    });
    dialog.OnBrowse(dialog.inphase);
}

TEST_F(DataFilesDlgTest, BrowseStartsInTheFilesDirectory) {
    TempDir dir;
    dialog.reading = false;
    dialog.inphase.path = dir.File("taps.txt");
    dialog.inphase.title = "taps.txt";
    ui.ExpectDialog<CFileDlg>([&](CFileDlg& d) {
        EXPECT_EQ(d.mode, FileDlgMode::Save);
        EXPECT_EQ(d.initialDirectory, dir.Path());
        EXPECT_EQ(d.fileName, "taps.txt");
        EXPECT_TRUE(d.promptOverwrite);
        EXPECT_EQ(d.filters.size(), 5u);
        EXPECT_EQ(d.filters.at(3).pattern, "*.bin; *.dat");
        d.chosenPath = "/elsewhere/coeffs.asm";
        return true;
    });
    dialog.OnBrowse(dialog.inphase);
    EXPECT_EQ(dialog.inphase.path, "/elsewhere/coeffs.asm");
    EXPECT_EQ(dialog.inphase.title, "coeffs.asm");

    ui.ExpectMessage("Cannot change to /elsewhere.");
    ui.ExpectDialog<CFileDlg>([](CFileDlg& d) {
        EXPECT_EQ(d.initialDirectory, "");
        return false;
    });
    dialog.OnBrowse(dialog.inphase);
    EXPECT_EQ(dialog.inphase.path, "/elsewhere/coeffs.asm");
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Stop);
}

TEST_F(DataFilesDlgTest, ImportRefusesMissingNamesAndFiles) {
    TempDir dir;
    StartIn(dir);
    CLumenData data = DataOf({0.5});
    ExpectDialog("  ", "Text:Decimal");
    ui.ExpectMessage(CDataFilesDlg::kNoInputMessage);
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);

    WriteBytesTo(dir.File("q.txt"), "0.25\n");
    ExpectDialog("absent.txt", "Text:Decimal", "q.txt");
    ui.ExpectMessage("File \"" + dir.File("absent.txt") +
                     "\" does not exist or is in use by another process.");
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
    for (const auto& message : ui.Messages()) {
        EXPECT_EQ(message.icon, MessageIcon::Stop);
    }
}

TEST_F(DataFilesDlgTest, ImportRefusesANamedPipeWithoutWaitingForAWriter) {
    TempDir dir;
    StartIn(dir);
    ASSERT_EQ(::mkfifo(dir.File("pipe.txt").c_str(), 0600), 0);
    CLumenData data = DataOf({0.5});
    ExpectDialog("pipe.txt", "Text:Decimal");
    ui.ExpectMessage("Cannot open file \"" + dir.File("pipe.txt") +
                     "\".\nIt is a named pipe, not a file that can be read.");
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5}));
}

TEST_F(DataFilesDlgTest, ImportOfTwoFilesPadsTheShorterChannel) {
    TempDir dir;
    StartIn(dir);
    WriteBytesTo(dir.File("i.hex"), "4000\nC000\n2000\n");
    WriteBytesTo(dir.File("q.txt"), "0.75\n");
    CLumenData data = DataOf({0.9});
    data.SetWindowType(2);
    ExpectDialog(" i.hex ", "Text:Hex", "q.txt", "Text:Decimal");
    ASSERT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, -0.5, 0.25}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.75, 0.0, 0.0}));
    EXPECT_FALSE(data.IsReal());
    EXPECT_EQ(data.GetWindowType(), -1);
    EXPECT_EQ(data.GetRangeLast(), 2);
    EXPECT_EQ(dialog.inphase.title, "i.hex");
    EXPECT_EQ(data.GetFormat().GetCode(), FormatCode::TextHex);
    EXPECT_EQ(ui.WaitCursorUses(), 1);
}

TEST_F(DataFilesDlgTest, ComplexImportReadsBothChannelsFromTheFirstFile) {
    TempDir dir;
    StartIn(dir);
    WriteBytesTo(dir.File("c.txt"), "0.5 0.25\n-0.5 0\n");
    CLumenData data;
    ExpectDialog("c.txt", "Text:Decimal", "", "Text:Decimal", true);
    ASSERT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 1);
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.25, 0.0}));
    EXPECT_FALSE(data.IsReal());

    // The second time, without the dialog, the stored names and formats are used.
    WriteBytesTo(dir.File("c.txt"), "0.125 0\n");
    ASSERT_EQ(dialog.Import(data, "doc", "Import Coefficients", false), 1);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.125}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.0}));
}

TEST_F(DataFilesDlgTest, FailedImportTellsTheUserAndKeepsTheData) {
    TempDir dir;
    StartIn(dir);
    WriteBytesTo(dir.File("bad.txt"), "coefficients follow\n0.5\n");
    WriteBytesTo(dir.File("q.txt"), "0.25\n");
    CLumenData data = DataOf({0.9}, {0.1});
    ExpectDialog("bad.txt", "Text:Decimal", "q.txt");
    ui.ExpectMessage(std::string(CDataFilesDlg::kNoDataMessage) + "\n\nRead 0 values from \"" +
                     dir.File("bad.txt") +
                     "\".\nReading stopped at line 1, which holds no number that can be read: "
                     "\"coefficients follow\". 1 more line was not read.");
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.9}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.1}));
    EXPECT_FALSE(data.IsReal());
}

TEST_F(DataFilesDlgTest, AQuadratureFileThatCannotBeReadFailsTheImport) {
    TempDir dir;
    StartIn(dir);
    WriteBytesTo(dir.File("i.txt"), "0.5\n0.25\n");
    WriteBytesTo(dir.File("q.wav"), "not a wave file at all");
    CLumenData data = DataOf({0.9});
    ExpectDialog("i.txt", "Text:Decimal", "q.wav", "Binary:Wave");
    ui.ExpectMessage("Error: this is not a valid WAVE file.");
    ui.ExpectMessage("File \"" + dir.File("q.wav") + "\" does not have a valid header.");
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.9}));
    EXPECT_TRUE(data.IsReal());

    WriteBytesTo(dir.File("q.txt"), "none\n");
    ExpectDialog("i.txt", "Text:Decimal", "q.txt");
    ui.ExpectMessage(std::string(CDataFilesDlg::kNoDataMessage) + "\n\nRead 0 values from \"" +
                     dir.File("q.txt") +
                     "\".\nReading stopped at line 1, which holds no number that can be read: "
                     "\"none\".");
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.9}));
}

TEST_F(DataFilesDlgTest, WhatBothFilesLeftUnreadIsToldInOneWarning) {
    TempDir dir;
    StartIn(dir);
    WriteBytesTo(dir.File("i.txt"), "0.5\n0.25\nend\n");
    WriteBytesTo(dir.File("q.txt"), "0.125\n0,5\n");
    CLumenData data;
    ExpectDialog("i.txt", "Text:Decimal", "q.txt");
    ui.ExpectMessage("Read 2 values from \"" + dir.File("i.txt") +
                     "\".\nReading stopped at line 3, which holds no number that can be read: "
                     "\"end\".\n\nRead 2 values from \"" +
                     dir.File("q.txt") +
                     "\".\n1 line held more numbers than were read, and the others were passed "
                     "over (line 2: \"0,5\").");
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 1);
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, 0.25}));
    EXPECT_EQ(ValuesOf(data.Quadrature()), std::vector<double>({0.125, 0.0}));
}

TEST_F(DataFilesDlgTest, ExportWithoutAFormatIsRefusedAndTheDialogComesBackToCorrectIt) {
    TempDir dir;
    dialog.inphase.path = dir.File("");
    CLumenData data = DataOf({0.5, 0.25});
    ui.ExpectDialog<CDataFilesDlg>([](CDataFilesDlg& d) {
        d.inphase.title = "lp.c";
        return true;
    });
    ui.ExpectMessage("No format was chosen for \"lp.c\".\n" +
                     std::string(CDataFilesDlg::kChooseFormatHint));
    ui.ExpectDialog<CDataFilesDlg>([&](CDataFilesDlg& d) {
        EXPECT_FALSE(std::filesystem::exists(dir.File("lp.c")));
        EXPECT_EQ(d.inphase.title, "lp.c");
        Choose(d.inphase, "Text:Decimal");
        return true;
    });
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 1);
    EXPECT_EQ(ReadBytesFrom(dir.File("lp.c")), " 0.500000000000\r\n 0.250000000000\r\n");
    EXPECT_EQ(ui.StatusTexts().back(), "Wrote 2 coefficients to lp.c.");
    EXPECT_EQ(ui.Messages().front().icon, MessageIcon::Stop);
}

TEST_F(DataFilesDlgTest, StatusSaysWhatEachExportWrote) {
    TempDir dir;
    StartIn(dir);
    CLumenData data = DataOf({0.5}, {0.25});
    ExpectDialog("i.txt", "Text:Hex", "q.txt", "Text:Hex");
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 1);
    EXPECT_EQ(ui.StatusTexts().back(), "Wrote 1 coefficient to i.txt and q.txt.");
    CDataFilesDlg complex;
    complex.inphase.path = dir.File("");
    ExpectDialog("both.txt", "Text:Decimal", "", "Text:Decimal", true);
    EXPECT_EQ(complex.Export(data, "doc", "Export Coefficients", true), 1);
    EXPECT_EQ(ui.StatusTexts().back(), "Wrote 1 complex coefficient to both.txt.");
}

TEST_F(DataFilesDlgTest, ImportOffersTheDialogAgainAfterAnErrorUntilCancel) {
    TempDir dir;
    StartIn(dir);
    CLumenData data = DataOf({0.9});
    ExpectDialog("missing.txt", "Text:Decimal");
    ui.ExpectMessage("File \"" + dir.File("missing.txt") +
                     "\" does not exist or is in use by another process.");
    ui.ExpectDialog<CDataFilesDlg>([](CDataFilesDlg& d) {
        EXPECT_EQ(d.inphase.title, "missing.txt");
        return false;
    });
    EXPECT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 0);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.9}));
}

// The entries of a failed attempt are the user's to correct or to give up: Cancel after it
// keeps the files of the last import or export that worked.
TEST_F(DataFilesDlgTest, CancelAfterAFailedExportKeepsThePreviousFiles) {
    TempDir dir;
    dialog.inphase.path = dir.File("");
    CLumenData data = DataOf({0.5});
    ExpectDialog("kept.txt", "Text:Decimal");
    ASSERT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 1);
    ExpectDialog("missing/out.txt", "Text:Decimal");
    ui.AllowUnscriptedMessages();
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 0);
    EXPECT_EQ(dialog.inphase.title, "kept.txt");
    EXPECT_EQ(dialog.inphase.path, dir.File("kept.txt"));
    EXPECT_EQ(dialog.LastWriteOutcome(), WriteOutcome::FileError);
}

TEST_F(DataFilesDlgTest, WaveImportGivesTheSampleRateOfTheFile) {
    TempDir dir;
    StartIn(dir);
    CLumenData source = DataOf({0.5, -0.5});
    CDataFormat wave;
    wave.SetCode(FormatCode::BinaryWave);
    wave.SetWaveSizeIndex(1);
    wave.SetWaveRateIndex(1);
    ASSERT_EQ(source.WriteFile(wave, dir.File("t.wav"), 0), 1);

    CLumenData data;
    ExpectDialog("t.wav", "Binary:Wave");
    ASSERT_EQ(dialog.Import(data, "doc", "Import Coefficients", true), 1);
    EXPECT_EQ(dialog.inphase.format.GetCode(), FormatCode::Wave16Bit);
    EXPECT_DOUBLE_EQ(dialog.inphase.format.GetSampleRate().value_or(0.0), 22.05);
    EXPECT_EQ(ValuesOf(data.Inphase()), std::vector<double>({0.5, -16383 / 32768.0}));
}

TEST_F(DataFilesDlgTest, ExportWritesEachFileNamed) {
    TempDir dir;
    StartIn(dir);
    CLumenData data = DataOf({0.5}, {-0.25});
    ExpectDialog("both.txt", "Text:Decimal", "q.hex", "Text:Hex", true);
    ASSERT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 1);
    EXPECT_EQ(ReadBytesFrom(dir.File("both.txt")), " 0.500000000000 -0.250000000000\r\n");
    EXPECT_EQ(ReadBytesFrom(dir.File("q.hex")), "E001\r\n");
    EXPECT_EQ(data.GetFormat().GetCode(), FormatCode::TextDecimal);
}

TEST_F(DataFilesDlgTest, ExportWithoutNamesOrWithAnEmptyNameSaysSo) {
    CLumenData data = DataOf({0.5});
    ExpectDialog("", "Text:Decimal");
    ui.ExpectMessage(CDataFilesDlg::kNoOutputMessage);
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 0);
    EXPECT_EQ(ui.Messages().back().icon, MessageIcon::Question);

    TempDir dir;
    StartIn(dir);
    // A name left empty keeps its directory, and writing to a directory fails.
    ExpectDialog("", "Text:Decimal");
    ui.ExpectMessage("Cannot open file \"" + dir.File("") + "\".");
    ui.ExpectMessage("Cannot open file \"" + dir.File("") + "\".");
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 0);
}

TEST_F(DataFilesDlgTest, FailedExportSaysWhetherTheFileOrTheDataWasRefused) {
    TempDir dir;
    dialog.inphase.path = dir.File("");
    // A value the fractional format cannot hold, with the overflow question answered No:
    // the data was refused and no file was touched.
    CLumenData data = DataOf({1.0, 0.5});
    ExpectDialog("fract.txt", "Text:Fract");
    ui.ExpectMessage(CDataSetIO::kOverflowQuestion, MessageResult::No);
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 0);
    EXPECT_EQ(dialog.LastWriteOutcome(), WriteOutcome::Refused);

    // A file that cannot be opened is a file error, also after a refusal.
    ExpectDialog("missing/out.txt", "Text:Decimal");
    ui.AllowUnscriptedMessages();
    ExpectCancelAfterError();
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 0);
    EXPECT_EQ(dialog.LastWriteOutcome(), WriteOutcome::FileError);

    dialog.inphase.path = dir.File("");
    ExpectDialog("out.txt", "Text:Decimal");
    EXPECT_EQ(dialog.Export(data, "doc", "Export Coefficients", true), 1);
    EXPECT_EQ(dialog.LastWriteOutcome(), WriteOutcome::Written);
}

TEST_F(DataFilesDlgTest, ProjectRecordHoldsPathsAndFormats) {
    dialog.inphase.path = "/a/b/in.txt";
    dialog.quadrature.path = "q.hex";
    dialog.inphase.format.SetCode(FormatCode::TextFir);
    dialog.quadrature.format.SetCode(FormatCode::TextHex);
    ArchiveWriter writer;
    dialog.Serialize(writer);

    CDataFilesDlg loaded;
    ArchiveReader reader(writer.Bytes());
    loaded.Serialize(reader, 5);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded.inphase.title, "in.txt");
    EXPECT_EQ(loaded.quadrature.title, "q.hex");
    EXPECT_EQ(loaded.inphase.format.GetCode(), FormatCode::TextFir);
    EXPECT_EQ(loaded.quadrature.format.GetCode(), FormatCode::TextHex);
}

}  // namespace
}  // namespace tapwright
