// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileerrors.h"

#include <cerrno>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString movePlainFileAway =
    u"その名前のものを別の場所へ移すか名前を変えてから、もう一度起動してください。"_s;

QString permissionReason(FileAction action)
{
    switch (action) {
    case FileAction::Read:
        return u"読み取りの権限がありません"_s;
    case FileAction::CreateFolder:
        return u"作業フォルダに書き込む権限がありません"_s;
    case FileAction::ListFolder:
        return u"フォルダの中身を読み取る権限がありません"_s;
    }
    return {};
}

QString permissionRemedy(FileAction action)
{
    switch (action) {
    case FileAction::Read:
        return u"ファイルの持ち主と権限を確かめてください（管理者として動かしたときに作られたファイ"
               u"ルなら、"
               u"sudo chown で持ち主を自分に戻せます）。"_s;
    case FileAction::CreateFolder:
        return u"書き込めるフォルダに移ってから起動してください。"_s;
    case FileAction::ListFolder:
        return u"フォルダに読み取りの権限を付けてください（例: chmod u+rwx tolmidata）。"_s;
    }
    return {};
}

} // namespace

FileProblem fileProblem(const QString &path, int error, FileAction action)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return {path, permissionReason(action), permissionRemedy(action)};
    case EMFILE:
    case ENFILE:
        return {
            path, u"開いているファイルが多すぎます"_s,
            u"ほかのプログラムを閉じるか、開けるファイルの数の上限（ulimit -n）を上げてから、もう一度起動してください。"_s};
    case EIO:
        return {path, u"ディスクの読み書きに失敗しました（入出力エラー）"_s,
                u"ディスクやその接続を確かめてください。"_s};
    case ENOTDIR:
        return {path, u"途中にフォルダではないものがあります"_s,
                u"tolmidata という名前のファイルがあれば、別の場所へ移してください。"_s};
    case EROFS:
        return {path, u"読み取り専用のディスクです"_s,
                u"書き込めるディスクのフォルダで起動してください。"_s};
    case ENOSPC:
    case EDQUOT:
        return {path, u"ディスクに空きがありません"_s, u"空きを作ってから起動してください。"_s};
    case ELOOP:
        return {path, u"シンボリックリンクがたどれません（循環しています）"_s,
                u"リンクを確かめてください。"_s};
    case ENAMETOOLONG:
        return {path, u"パスが長すぎます"_s, u"もっと短いパスのフォルダで起動してください。"_s};
    case EISDIR:
        return notAPlainFileProblem(path, true);
    default:
        return {path, QString::fromLocal8Bit(std::strerror(error)), QString()};
    }
}

FileProblem notAPlainFileProblem(const QString &path, bool isFolder)
{
    return {path,
            isFolder ? u"ファイルではなくフォルダです"_s
                     : u"普通のファイルではありません（名前付きパイプや装置など）"_s,
            movePlainFileAway};
}

FileProblem danglingLinkProblem(const QString &path)
{
    return {path, u"シンボリックリンクの先にファイルがありません"_s,
            u"リンク先のディスクがつながっているか確かめてください。"_s};
}
