#pragma once

#include <memory>

namespace platform {

class MessageBoxService;
class FileCopier;
class PictureLoader;
class ProgramStarter;
class PrinterService;

// The one place where windows reach the platform's services. Each service
// starts as the real one; a test swaps in a scripted one and puts the real
// one back when it is done (see ServiceSwap in the tests' support).
class Services final {
public:
    static Services& instance();

    MessageBoxService& messageBox() const { return *m_messageBox; }
    FileCopier& fileCopier() const { return *m_fileCopier; }
    PictureLoader& pictureLoader() const { return *m_pictureLoader; }
    ProgramStarter& programStarter() const { return *m_programStarter; }
    PrinterService& printer() const { return *m_printer; }

    // Each returns the service it replaces.
    std::unique_ptr<MessageBoxService> replace(std::unique_ptr<MessageBoxService> service);
    std::unique_ptr<FileCopier> replace(std::unique_ptr<FileCopier> service);
    std::unique_ptr<PictureLoader> replace(std::unique_ptr<PictureLoader> service);
    std::unique_ptr<ProgramStarter> replace(std::unique_ptr<ProgramStarter> service);
    std::unique_ptr<PrinterService> replace(std::unique_ptr<PrinterService> service);

    ~Services();

private:
    Services();

    std::unique_ptr<MessageBoxService> m_messageBox;
    std::unique_ptr<FileCopier> m_fileCopier;
    std::unique_ptr<PictureLoader> m_pictureLoader;
    std::unique_ptr<ProgramStarter> m_programStarter;
    std::unique_ptr<PrinterService> m_printer;
};

} // namespace platform
