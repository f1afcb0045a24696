#pragma once

#include "Services.h"

#include <memory>

// Puts a scripted service in place for the life of a test's scope, then the
// one it replaced back. Service is the scripted class; the slot it fills is
// the interface it derives from.
template <typename Service> class ServiceSwap final {
    using Previous = decltype(platform::Services::instance().replace(std::unique_ptr<Service>()));

public:
    explicit ServiceSwap(std::unique_ptr<Service> scripted)
        : m_scripted(scripted.get()),
          m_previous(platform::Services::instance().replace(std::move(scripted)))
    {
    }
    ServiceSwap(const ServiceSwap&) = delete;
    ServiceSwap& operator=(const ServiceSwap&) = delete;
    ~ServiceSwap() { platform::Services::instance().replace(std::move(m_previous)); }

    Service* operator->() const { return m_scripted; }
    Service& operator*() const { return *m_scripted; }

private:
    Service* m_scripted;
    Previous m_previous;
};
