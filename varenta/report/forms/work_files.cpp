#include "work_files.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "varenta/report/report_channel.h"

namespace varenta {

std::array<std::string, 6> WorkFileNames(const std::string& basePath)
{
    return {basePath + ".RAW",       basePath + ".ZSC",
            basePath + ".AIM",       basePath + "_basic.bmp",
            std::string(kPrinterWorkFile), std::string(kPreviewFile)};
}

void DeleteAllFiles(const std::string& basePath)
{
    const auto names = WorkFileNames(basePath);
    for (const auto& name : names)
        common::CreateEmptyFile(name);
    // The bitmap goes last.
    constexpr std::array<int, 6> kDeleteOrder = {0, 1, 2, 4, 5, 3};
    for (int index : kDeleteOrder) {
        try {
            common::RemoveFile(names[index]);
        } catch (const common::IoError&) {
            // Ignored: the file is empty by now.
        }
    }
}

}  // namespace varenta
