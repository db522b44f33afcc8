#include "join/room_check.h"

#include <optional>

#include "join/free_space.h"
#include "join/join_texts.h"
#include "join/output_name.h"

namespace cordwain {

bool RefusedForRoom(HWND owner, const JoinList& list, const std::string& outputPath, BOOL bInsertDividers)
{
    StdioFileSystem files;
    const std::optional<SpaceShortfall> shortfall =
        FindSpaceShortfall(list, outputPath, bInsertDividers != FALSE, files);
    if (!shortfall)
        return false;
    const std::string text = NoRoomText(NamePart(outputPath, SystemCodePage()), shortfall->needed, shortfall->free);
    ::MessageBoxA(owner, text.c_str(), kNoRoomCaption, MB_ICONINFORMATION);
    return true;
}

}  // namespace cordwain
