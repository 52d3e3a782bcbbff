// The main window's menu bar as a user meets it after a first start with default settings.
#include <gtest/gtest.h>

#include <cstdio>

#include "driver.h"
#include "support/screenshot.h"

namespace e2e {
namespace {

MenuLine Item(int depth, const std::string& caption) { return MenuLine{depth, caption}; }
MenuLine Checked(int depth, const std::string& caption) { return MenuLine{depth, caption, false, true}; }
MenuLine Separator(int depth) { return MenuLine{depth, "", true}; }

// The clear colour of the user, which defaults to the system window colour, blue digits first.
std::string UserColourCaption() {
  const COLORREF colour = GetSysColor(COLOR_WINDOW);
  char digits[8] = {};
  std::snprintf(digits, sizeof digits, "%02X%02X%02X", GetBValue(colour), GetGValue(colour), GetRValue(colour));
  return std::string("BGR = [") + digits + "]";
}

std::vector<MenuLine> ExpectedMenuBar() {
  return {
      Item(0, "ﾌｱｲﾙ(&F)"),  // MFile0
      Item(1, "ＢＭＰ／ＪＰＧロード (&L)"),  // MBMP_LOAD
      Item(1, "ファイルヒストリー(&H)"),  // MF_FHIS
      Item(1, "ＢＭＰセーブ (&S)"),  // MBMP_SAVE
      Separator(1),
      Item(1, "ＪＰＧセーブ (&J)"),  // MJPG_SAVE
      Item(1, "JPGセーブオプション (&O)"),  // MJPG0
      Item(2, "インターネット圧縮 (&P)"),  // MJPG_INTERNET
      Item(2, "圧縮率 90％ (&C)"),  // MJPG_COMP
      Separator(1),
      Item(1, "クリップボード"),  // MF_CLIP0
      Item(2, "クリップボードへセーブ (&U)"),  // MCLIP_SAVE
      Item(2, "クリップボードからロード (&D)"),  // MCLIP_LOAD
      Separator(1),
      Item(1, "壁紙"),  // MF_WALLPAPER0
      Item(2, "壁紙張り付け(&P)"),  // MKABE_SAVE
      Item(2, "壁紙（なし） (&N)"),  // KABE_NASHI
      Item(2, "壁紙ロード(&G)"),  // MKABE_LOAD
      Separator(1),
      Item(1, "BMPメモリー"),  // MF_BMP0
      Item(2, "ＢＭＰメモリー１セーブ(&W)"),  // MBMP_M1SAVE
      Item(2, "ＢＭＰメモリー１ロード(&R)"),  // MBMP_M1LOAD
      Separator(2),
      Item(2, "ＢＭＰメモリー２セーブ(&A)"),  // MBMP_M2SAVE
      Item(2, "ＢＭＰメモリー２ロード(&M)"),  // MBMP_M2LOAD
      Separator(1),
      Item(1, "画像加工ソフト起動(&E)"),  // MPAINT
      Separator(1),
      Item(1, "印刷設定 (&I)"),  // M_PrinterSetup1
      Item(1, "印刷 (&P)"),  // M_Print1
      Item(1, "4*4印刷 (&4)"),  // M_Print4
      Separator(1),
      Item(1, "終了(&X)"),  // MExit
      Item(0, "取り込む(&G)"),  // MPIKTO0
      Item(1, "取り込み(&G)"),  // MPIKTO
      Separator(1),
      Item(1, "画面全体 (&A)"),  // GType0
      Checked(1, "直前のｱｸﾃｨﾌﾞｳｲﾝﾄﾞｳ (&W)"),  // GType1
      Item(1, "ﾏｳｽﾎﾟｲﾝﾀｰがあるｳｲﾝﾄﾞｳ (&M)"),  // GType2
      Item(1, "ﾏｳｽﾎﾟｲﾝﾀｰがあるｳｲﾝﾄﾞｳ２ (&N)"),  // GType3
      Item(1, "ﾌｫｰﾑと重なっている部分 (&F)"),  // GType4
      Item(1, "固定サイズ " + CentredDefaultBounds()),  // GType5
      Item(1, "左上アイコンサイズ 32*32 (&I)"),  // GType6
      Item(1, "左上固定サイズ 64*64 (&L)"),  // GType7
      Separator(1),
      Item(1, "現在のﾌｫｰﾑを固定ｻｲｽﾞとして取得 (&S)"),  // MGET_FORM_SIZE
      Item(1, "左上固定サイズ設定 (&E)"),  // MGET_LEFT
      Separator(1),
      Checked(1, "合成するON (&Z)"),  // MGET_NON
      Item(1, "ﾒﾓﾘｰ１と合成するＯＮ (&1)"),  // MGET_GOUSEI
      Item(0, "ﾀｲﾏｰ(&T)"),  // MTm0
      Checked(1, "（なし）(&N)"),  // TM0
      Separator(1),
      Item(1, "1 秒"),  // TM1
      Item(1, "2 秒"),  // TM2
      Item(1, "3 秒"),  // TM3
      Item(1, "5 秒"),  // TM4
      Item(1, "10 秒"),  // TM5
      Item(1, "15 秒"),  // TM6
      Item(1, "20 秒"),  // TM7
      Item(1, "30 秒"),  // TM8
      Item(1, "40 秒"),  // TM9
      Item(1, "50 秒"),  // TM10
      Item(1, "60 秒"),  // TM11
      Item(0, "画面合成(&S)"),  // M_GAMEN0
      Item(1, "２倍"),  // MBMP_BAI
      Item(1, "１／２倍"),  // MBMP_HEARF
      Separator(1),
      Item(1, "画面確定 (&R)"),  // M_Real
      Separator(1),
      Item(1, "画面を元に戻す (&M)"),  // M_Clear
      Separator(1),
      Separator(1),
      Item(1, "カーソルを並べる (&N)"),  // M_NARABEL0
      Item(2, "カーソルを並べる実行 (&N)"),  // M_NARABEL
      Separator(2),
      Checked(2, "全面に並べる (&A)"),  // P_ALL
      Item(2, "丸形 (&P)"),  // P_Maru
      Item(2, "扇形 (&O)"),  // P_OUGI
      Item(2, "三角形 (&3)"),  // P_3KAKU
      Item(2, "四角形 (&4)"),  // P_4KAKU
      Item(2, "五角形 (&5)"),  // P_5KAKU
      Item(2, "六角形 (&6)"),  // P_6KAKU
      Item(2, "ハート (&L)"),  // P_HART
      Separator(2),
      Checked(2, "交互に並べるＯＮ (&X)"),  // M_SLIP
      Item(2, "倍密度で並べるＯＮ (&D)"),  // M_BAIMITU
      Separator(1),
      Item(1, "カーソル回転 (&C)"),  // MKI_Kaiten
      Item(2, "右９０度 (&R)"),  // MKI_Migi
      Item(2, "１８０度回転 (&H)"),  // MKI_SAKA
      Item(2, "左９０度 (&L)"),  // MKI_Left
      Separator(2),
      Item(2, "ミラー (&M)"),  // MKI_Mirror
      Separator(1),
      Item(1, "２画面合成 (&G)"),  // M_GOUSEI0
      Item(2, "画面合成実行 (&G)"),  // M_GOUSEI
      Separator(2),
      Item(2, "合成画面ロード(&L)"),  // MBMP_KASANERU
      Separator(2),
      Item(2, "中央に挿入 (&C)"),  // MBMP_ALL
      Checked(2, "円 (&P)"),  // MBMP_MARU
      Item(2, "扇形 (&O)"),  // MBMP_OUGI
      Item(2, "三角 (&3)"),  // MBMP_3KAKU
      Item(2, "四角 (&4)"),  // MBMP_4KAKU
      Item(2, "五角 (&5)"),  // MBMP_5KAKU
      Item(2, "六角 (&6)"),  // MBMP_6KAKU
      Item(2, "ハート (&L)"),  // MBMP_HART
      Item(2, "白色に合成する (&W)"),  // MBMP_WHITE
      Separator(2),
      Item(2, "中央補正 ( 0, 0 ) (&H)"),  // MG_HOSEI
      Separator(2),
      Item(2, "中央補正設定 (&E)"),  // MG_HOSEI_SET
      Item(2, "補正値をクリアする (&D)"),  // MG_HCLR
      Separator(1),
      Item(1, "画面回転 (&K)"),  // M_KAITEN0
      Item(2, "右に９０度 (&R)"),  // MK_Migi
      Item(2, "１８０度回転 (&H)"),  // MK_SAKA
      Item(2, "左に９０度 (&L)"),  // MK_Left
      Separator(2),
      Item(2, "ミラー (&M)"),  // MK_Mirror
      Separator(1),
      Item(1, "合成中央のサイズ (&S)"),  // S1
      Item(2, "1 (&1)"),  // M_SIZE0
      Item(2, "2 (&2)"),  // M_SIZE1
      Checked(2, "3 (&3)"),  // M_SIZE2
      Item(2, "4 (&4)"),  // M_SIZE3
      Item(2, "5 (&5)"),  // M_SIZE4
      Separator(1),
      Item(1, "画面クリア色の選択 (&I)"),  // MBMP_CLR0
      Item(2, "指定色で画面クリア(&C)"),  // MBMP_CLR
      Separator(2),
      Item(2, "ｳｲﾝﾄﾞｳの色 (&W)"),  // BMPBG0
      Item(2, "ボタンの色 (&B)"),  // BMPBG1
      Item(2, "作業スペースの色 (&V)"),  // BMPBG2
      Item(2, "白色 (&S)"),  // BMPBG3
      Item(2, "黒色 (&K)"),  // BMPBG4
      Checked(2, "イチゴミルク (&I)"),  // BMPBG5
      Item(2, UserColourCaption()),  // BMPBG6
      Separator(2),
      Item(2, "BGR色の選択(&E)"),  // BMPBG00
      Separator(1),
      Item(1, "色の反転 (&T)"),  // MIRO_TURN
      Item(0, "ｵﾌﾟｼｮﾝ(&O)"),  // MOption0
      Checked(1, "カーソル一覧表示 (&C)"),  // MSet_Cursor
      Separator(1),
      Item(1, "ｷｬﾌﾟﾁｬｰ時に、ﾏｳｽﾎﾟｲﾝﾀ も、取り込むＯＮ (&M)"),  // MGET_MOUSE_POINTER
      Separator(1),
      Item(1, "ホットキーで取り込むＯＮ (&K)"),  // MHOTKEY
      Item(1, "ホットキーの設定... (&Y)"),  // MHOTKEY_SET
      Separator(1),
      Item(1, "連番で保存するＯＮ (&N)"),  // MRENBAN
      Item(1, "連番保存の設定... (&R)"),  // MRENBAN_SET
      Separator(1),
      Checked(1, "バックカラーを標準色とするON (&B)"),  // BackColor
      Separator(1),
      Item(1, "アイコンを、スタートアップにも、登録する (&S)"),  // MICON_SET
      Item(1, "アイコンを、スタートアップから、削除する (&S)"),  // MICON_DEL
      Separator(1),
      Item(1, "アイコンを、デスクトップにも、登録する (&D)"),  // MDESK_SET
      Item(1, "アイコンを、デスクトップから、削除する (&D)"),  // MDESK_DEL
      Item(0, "ﾍﾙﾌﾟ(&H)"),  // MHelp0
      Item(1, "ヘルプ...(&H)"),  // MHELP_MOKUJI
      Item(1, "キーワードで検索...(&K)"),  // MHELP_KEYWORD
      Checked(1, "ミニヘルプＯＮ (&M)"),  // MHELP_MINI
      Separator(1),
      Item(1, "ﾊﾞｰｼﾞｮﾝ番号削除...(&C)"),  // MHELP_VERCUT
      Separator(1),
      Item(1, "問い合わせ先...(&Q)"),  // MQ_A
      Item(1, "バージョン情報...(&V)"),  // MAbout
  };
}

// One line of indented UTF-8 text per entry, so that a failure shows a readable difference
// (gtest escapes non-ASCII bytes when it prints compared strings).
std::vector<std::string> TreeLines(const std::vector<MenuLine>& entries) {
  std::vector<std::string> lines;
  for (const MenuLine& entry : entries) {
    std::string text = std::string(2 * entry.depth, ' ') + (entry.separator ? "----" : entry.caption);
    if (entry.checked) text += "  [checked]";
    if (entry.grayed) text += "  [grayed]";
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr));
    lines.push_back(utf8);
  }
  return lines;
}

TEST(Menu, TreeAfterStartupWithDefaultSettings) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  ASSERT_NE(window, nullptr);
  const std::vector<MenuLine> menuBar = ReadMenuBar(window);
  ASSERT_FALSE(menuBar.empty()) << "the menu probe did not answer";
  const std::vector<std::string> expected = TreeLines(ExpectedMenuBar());
  const std::vector<std::string> shown = TreeLines(menuBar);
  EXPECT_TRUE(shown == expected) << "expected -, shown +:\n"
                                 << testing::internal::edit_distance::CreateUnifiedDiff(expected, shown);
  CloseAndWait(process, window);
}

TEST(Menu, EachMenuOfTheBarOpensAndCloses) {
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND window = StartedMainWindow(process);
  ASSERT_NE(window, nullptr);
  const struct {
    char mnemonic;
    const char* name;
  } menus[] = {{'F', "file"}, {'G', "capture"}, {'T', "timer"}, {'S', "compose"}, {'O', "options"}, {'H', "help"}};
  for (const auto& menu : menus) {
    EXPECT_TRUE(OpenBarMenu(window, menu.mnemonic)) << menu.name;
    EXPECT_TRUE(WaitUntil([&] { return MenuPopupDrawn(window); })) << menu.name;
    Screenshot(std::string("menu-") + menu.name);
    EXPECT_TRUE(CloseMenus(window)) << menu.name;
  }
  CloseAndWait(process, window);
}

}  // namespace
}  // namespace e2e
