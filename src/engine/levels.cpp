// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels.h"

#include <algorithm>

namespace {

// The 23 level names of every mode, level 0 first.

// kitten
const LevelNameTable KittenNames = {
    u"シロナガスクジラ",   // 0
    u"マッコウクジラ",     // 1
    u"アフリカゾウ",       // 2
    u"アジアゾウ",         // 3
    u"シャチ",             // 4
    u"カバ",               // 5
    u"クロサイ",           // 6
    u"ウシ",               // 7
    u"フタコブラクダ",     // 8
    u"イルカ",             // 9
    u"ライオン",           // 10
    u"ブタ",               // 11
    u"ジャイアントパンダ", // 12
    u"ヒツジ",             // 13
    u"オランウータン",     // 14
    u"チーター",           // 15
    u"コウテイペンギン",   // 16
    u"ボブキャット",       // 17
    u"タヌキ",             // 18
    u"アデリーペンギン",   // 19
    u"チワワ",             // 20
    u"プレーリードッグ",   // 21
    u"子猫",               // 22
};

// puppy
const LevelNameTable PuppyNames = {
    u"シロナガスクジラ",   // 0
    u"マッコウクジラ",     // 1
    u"アフリカゾウ",       // 2
    u"アジアゾウ",         // 3
    u"シャチ",             // 4
    u"カバ",               // 5
    u"クロサイ",           // 6
    u"ウシ",               // 7
    u"フタコブラクダ",     // 8
    u"イルカ",             // 9
    u"トラ",               // 10
    u"ライオン",           // 11
    u"ブタ",               // 12
    u"ジャイアントパンダ", // 13
    u"ヒツジ",             // 14
    u"オランウータン",     // 15
    u"セントバーナード",   // 16
    u"コウテイペンギン",   // 17
    u"ボブキャット",       // 18
    u"タヌキ",             // 19
    u"アデリーペンギン",   // 20
    u"プードル",           // 21
    u"子犬",               // 22
};

// soldier (male)
const LevelNameTable SoldierMaleNames = {
    u"２等兵", // 0
    u"１等兵", // 1
    u"上等兵", // 2
    u"兵長",   // 3
    u"伍長",   // 4
    u"軍曹",   // 5
    u"曹長",   // 6
    u"准尉",   // 7
    u"少尉",   // 8
    u"中尉",   // 9
    u"大尉",   // 10
    u"少佐",   // 11
    u"中佐",   // 12
    u"大佐",   // 13
    u"少将",   // 14
    u"中将",   // 15
    u"大将",   // 16
    u"元帥",   // 17
    u"大臣",   // 18
    u"首相",   // 19
    u"大統領", // 20
    u"王様",   // 21
    u"神",     // 22
};

// soldier (female)
const LevelNameTable SoldierFemaleNames = {
    u"２等兵", // 0
    u"１等兵", // 1
    u"上等兵", // 2
    u"兵長",   // 3
    u"伍長",   // 4
    u"軍曹",   // 5
    u"曹長",   // 6
    u"准尉",   // 7
    u"少尉",   // 8
    u"中尉",   // 9
    u"大尉",   // 10
    u"少佐",   // 11
    u"中佐",   // 12
    u"大佐",   // 13
    u"少将",   // 14
    u"中将",   // 15
    u"大将",   // 16
    u"元帥",   // 17
    u"大臣",   // 18
    u"首相",   // 19
    u"大統領", // 20
    u"女王様", // 21
    u"女神",   // 22
};

// cosmo R
const LevelNameTable CosmoRNames = {
    u"コスモ",   // 0
    u"小宇宙",   // 1
    u"大銀河",   // 2
    u"銀河",     // 3
    u"太陽系",   // 4
    u"地球",     // 5
    u"北半球",   // 6
    u"アジア",   // 7
    u"日本",     // 8
    u"県",       // 9
    u"市",       // 10
    u"町",       // 11
    u"家",       // 12
    u"小屋",     // 13
    u"ニワトリ", // 14
    u"ヒヨコ",   // 15
    u"タマゴ",   // 16
    u"大豆",     // 17
    u"小豆",     // 18
    u"ゴマ粒",   // 19
    u"原子",     // 20
    u"素粒子",   // 21
    u"ゼロ",     // 22
};

// Cinderella story (levels 0 and 19 end in a half-width blank that belongs to the text)
const LevelNameTable CinderellaNames = {
    u"シンデレラは継母の姉達にいじめられていました ", // 0
    u"ある時、お城で舞踏会が開かれました",            // 1
    u"姉たちは着飾って舞踏会に出かけていきました",    // 2
    u"でもシンデレラにはドレスがありませんでした",    // 3
    u"舞踏会に行きたがって悲しむシンデレラ",          // 4
    u"するとどうでしょう。魔法使いが現れました",      // 5
    u"魔法使いが美しいドレスやガラスの靴、",          // 6
    u"そして素敵な馬車を用意してくれました",          // 7
    u"１２時には魔法が解けるので帰ってくるように",    // 8
    u"舞踏会に中々溶け込めないシンデレラ",            // 9
    u"シンデレラは王子に見初められました",            // 10
    u"夢中になって踊るシンデレラと王子",              // 11
    u"約束の時間をすでに忘れてしまっていました",      // 12
    u"１２時の鐘の音が鳴り響きました",                // 13
    u"シンデレラは階段に靴を落としてしまいます",      // 14
    u"王子は靴を手がかりにシンデレラを捜します",      // 15
    u"ところがガラスの靴は町中の誰にもあいません",    // 16
    u"とうとうシンデレラの家にもやってきました",      // 17
    u"姉二人にはガラスの靴は全く合いません",          // 18
    u"靴はシンデレラにピッタリ合いました！ ",         // 19
    u"シンデレラは王子の后として迎えられました",      // 20
    u"シンデレラはその後幸せに暮らしたそうです",      // 21
    u"めでたしめでたし",                              // 22
};

// Momotaro story
const LevelNameTable MomotaroNames = {
    u"むかーしむかーしあるところに",                   // 0
    u"子供のいない老夫婦が住んでいました",             // 1
    u"ある日お婆さんが川で洗濯をしていると",           // 2
    u"大きな桃がどんぶらこどんぶらこ流れてきました",   // 3
    u"お爺さんと食べようと桃を持ち帰りました",         // 4
    u"二人で桃を割ってみると",                         // 5
    u"中からかわいい男の子が生まれました",             // 6
    u"男の子は桃太郎と名付けられました",               // 7
    u"お爺さんとお婆さんは桃太郎を大切に育てました",   // 8
    u"その甲斐あって桃太郎は強い子に育ちました",       // 9
    u"その頃人々は鬼ヶ島の鬼に苦しめられていました",   // 10
    u"そこで桃太郎は鬼退治を決意しました",             // 11
    u"両親からキビ団子を餞別に貰いました",             // 12
    u"道中キビ団子を分け与えてイヌを家来にしました",   // 13
    u"さらにキビ団子を分け与えてサルを家来にしました", // 14
    u"キジにもキビ団子を分け与えて家来にしました",     // 15
    u"桃太郎とイヌサルキジは鬼ヶ島に渡りました",       // 16
    u"桃太郎たちは鬼ヶ島で鬼と戦いました",             // 17
    u"桃太郎たちは見事に勝利を収めました",             // 18
    u"鬼が方々から奪っていった財宝を持ち帰りました",   // 19
    u"お爺さんとお婆さんの元に帰りました",             // 20
    u"桃太郎と両親は幸せに暮らしたそうです",           // 21
    u"めでたしめでたし",                               // 22
};

// Alice story
const LevelNameTable AliceNames = {
    u"アリスはお姉さんと一緒にピクニック",             // 0
    u"でもアリスは退屈で退屈で仕方がありません",       // 1
    u"そこに遅れちまったとつぶやいている白ウサギ",     // 2
    u"どうやら白ウサギはなんだか急いでいるようです",   // 3
    u"白ウサギは木の穴に飛び込んでいきました",         // 4
    u"アリスも白ウサギを追いかけて穴に飛び込みます",   // 5
    u"穴のなかで白ウサギを追いかけているうちに",       // 6
    u"アリスは幾つもの災難に出くわします",             // 7
    u"アリスは巨人のように大きくなりました",           // 8
    u"半分の身長に縮んでしまいました",                 // 9
    u"アリスの涙で立ち往生した動物たちと出会いました", // 10
    u"白ウサギの家にはまり込んでしまいました",         // 11
    u"仔ブタに変わる赤ん坊や消える猫を見つけました",   // 12
    u"いつまでも終わらないお茶会に参加しました",       // 13
    u"人間そっくりのトランプの札とクロケーをしました", // 14
    u"海岸ではグリフォンと代用海ガメたちに会いました", // 15
    u"タルト盗みで告発されたハートのジャックの裁判",   // 16
    u"女王様は判決より先に処刑をしようとします",       // 17
    u"女王様に逆らうアリス。そんなのおかしいわ！",     // 18
    u"トランプたちはアリスに襲いかかりました・・・",   // 19
    u"そしてアリスはお姉さん元で目をさましました",     // 20
    u"お姉さん！私とてもおもしろい夢をみてたの！",     // 21
    u"お姉さんはアリスにやさしくキスをしたのでした",   // 22
};
} // namespace

const LevelNameTable *levelNameTable(int levelMode, int sex)
{
    switch (levelMode) {
    case 0:
        return &KittenNames;
    case 1:
        return &PuppyNames;
    case 2:
        if (sex == 0)
            return &SoldierMaleNames;
        if (sex == 1)
            return &SoldierFemaleNames;
        return nullptr;
    case 3:
        return &CosmoRNames;
    case 4:
        return &CinderellaNames;
    case 5:
        return &MomotaroNames;
    case 6:
        return &AliceNames;
    default:
        return nullptr;
    }
}

int levelIndex(double achievementRate)
{
    int level = 0;
    if (achievementRate >= levelStep)
        level = 1;
    for (int k = 2; k <= 21; ++k) {
        if (achievementRate > k * levelStep) // the product rounded to double precision
            level = k;
    }
    if (achievementRate >= 100)
        level = 22;
    return level;
}

QString levelName(double achievementRate, int levelMode, int sex)
{
    const LevelNameTable *table = levelNameTable(levelMode, sex);
    if (!table)
        return QString();
    return QString::fromUtf16((*table)[levelIndex(achievementRate)]);
}

int pictureStage(double achievementRate)
{
    int stage = 1;
    if (achievementRate >= pictureStep)
        stage = 2;
    for (int k = 2; k <= 5; ++k) {
        if (achievementRate > k * pictureStep)
            stage = k + 1;
    }
    if (achievementRate >= 100)
        stage = 7;
    return stage;
}

std::array<bool, 12> visiblePictures(int pictureStage)
{
    const int stage = std::clamp(pictureStage, 1, 7);
    std::array<bool, 12> visible{};
    for (int i = 0; i <= stage - 2; ++i)
        visible[i] = true; // bright, from the bottom
    for (int i = stage + 5; i <= 11; ++i)
        visible[i] = true; // dim, above them
    return visible;
}
