// The boundary's message box.
#include "framework/exception_barrier.h"

#include <exception>
#include <new>

namespace {

constexpr char kLead[] = "Sorry; something went wrong, and what you asked for was stopped.\n";

}  // namespace

std::string UnexpectedErrorText()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return std::string(kLead) + "There is not enough memory.";
    } catch (const std::exception& error) {
        return kLead + std::string(error.what());
    } catch (...) {
        return std::string(kLead) + "The cause is unknown.";
    }
}

void ReportCurrentException(HWND owner) noexcept
{
    // A control is no owner for a box; its window is.
    owner = owner != nullptr ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    try {
        ::MessageBoxA(owner, UnexpectedErrorText().c_str(), kUnexpectedErrorCaption, MB_OK | MB_ICONERROR);
    } catch (...) {
        // Not even the text could be made: the plainest box there is.
        ::MessageBoxA(owner, kLead, kUnexpectedErrorCaption, MB_OK | MB_ICONERROR);
    }
}
