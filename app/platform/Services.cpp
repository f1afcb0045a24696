#include "Services.h"

#include "DefaultPrinter.h"
#include "FileCopier.h"
#include "MessageBox.h"
#include "PictureLoader.h"
#include "ProgramStarter.h"

namespace platform {

namespace {

template <typename Service>
std::unique_ptr<Service> swapIn(std::unique_ptr<Service>& slot, std::unique_ptr<Service> service)
{
    std::swap(slot, service);
    return service;
}

} // namespace

Services::Services()
    : m_messageBox(std::make_unique<QtMessageBox>()),
      m_fileCopier(std::make_unique<AtomicFileCopier>()),
      m_pictureLoader(std::make_unique<FilePictureLoader>()),
      m_programStarter(std::make_unique<HostProgramStarter>()),
      m_printer(std::make_unique<DefaultPrinter>())
{
}

Services::~Services() = default;

Services& Services::instance()
{
    static Services services;
    return services;
}

std::unique_ptr<MessageBoxService> Services::replace(std::unique_ptr<MessageBoxService> service)
{
    return swapIn(m_messageBox, std::move(service));
}

std::unique_ptr<FileCopier> Services::replace(std::unique_ptr<FileCopier> service)
{
    return swapIn(m_fileCopier, std::move(service));
}

std::unique_ptr<PictureLoader> Services::replace(std::unique_ptr<PictureLoader> service)
{
    return swapIn(m_pictureLoader, std::move(service));
}

std::unique_ptr<ProgramStarter> Services::replace(std::unique_ptr<ProgramStarter> service)
{
    return swapIn(m_programStarter, std::move(service));
}

std::unique_ptr<PrinterService> Services::replace(std::unique_ptr<PrinterService> service)
{
    return swapIn(m_printer, std::move(service));
}

} // namespace platform
