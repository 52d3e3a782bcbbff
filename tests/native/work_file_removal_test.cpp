#include <gtest/gtest.h>

#include <string>

#include "setup/work_file_removal.h"

namespace {

TEST(WorkFileRemoval, TheQuestionKeepsItsWordsAndSaysWhatGoes) {
  const std::string question = WorkFilesQuestion("C:\\Users\\ユーザー\\AppData\\Local\\PIKTORAN\\");
  EXPECT_TRUE(question.starts_with(
      "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n登録ｶｰｿﾙ、BMPﾒﾓﾘｰ1/2も削除して、よろしいですか？？？\n"));
  // What the paint program saved over its picture goes too; the user reads that before agreeing.
  EXPECT_NE(question.find("PKT_PA*.BMP（画像加工ソフトでそこに保存した絵も）"), std::string::npos) << question;
  EXPECT_TRUE(question.ends_with("（今の壁紙の画像は残します）\n　C:\\Users\\ユーザー\\AppData\\Local\\PIKTORAN")) << question;
  EXPECT_EQ(WorkFilesQuestion("").find("作業フォルダー"), std::string::npos);
}

TEST(WorkFileRemoval, OnlyOurWorkFilesGoFromTheProgramFolder) {
  for (const char* ours : {"PKT_M0$$.BMP", "pkt_m1$$.bmp", "PKT_M2$$.BMP", "PIKTO_I0.LST", "PIKTO_HS.LST", "PKT_PA$$.BMP",
                           "PKT_PA17.BMP", "pkt_pa3.bmp", "WALLPK$$.BMP"}) {
    EXPECT_TRUE(IsProgramFolderWorkFile(ours)) << ours;
  }
  for (const char* other : {"PIKTORAN.EXE", "PKT_PA.BMP", "PKT_PA17.BMP.txt", "MY_PKT_PA1.BMP", "写真.BMP", "PKT_M3$$.BMP", ""}) {
    EXPECT_FALSE(IsProgramFolderWorkFile(other)) << other;
  }
}

TEST(WorkFileRemoval, TheWallpaperIsKnownWhateverItsLetterCase) {
  EXPECT_TRUE(IsWallpaper("C:\\Users\\表\\AppData\\Local\\PIKTORAN\\", "WALLPK$$.BMP",
                          "c:\\users\\表\\appdata\\local\\piktoran\\wallpk$$.bmp"));
  EXPECT_TRUE(IsWallpaper("C:\\QUILOP32\\PIKTORAN", "WALLPK$$.BMP", "C:\\QUILOP32\\PIKTORAN\\WALLPK$$.BMP"));
  EXPECT_FALSE(IsWallpaper("C:\\QUILOP32\\PIKTORAN\\", "PKT_PA1.BMP", "C:\\QUILOP32\\PIKTORAN\\WALLPK$$.BMP"));
  EXPECT_FALSE(IsWallpaper("C:\\QUILOP32\\PIKTORAN\\", "WALLPK$$.BMP", "C:\\WINDOWS\\WALLPK$$.BMP"));
  EXPECT_FALSE(IsWallpaper("C:\\QUILOP32\\PIKTORAN\\", "WALLPK$$.BMP", ""));
}

}  // namespace
