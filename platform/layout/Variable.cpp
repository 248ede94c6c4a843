#include "platform/layout/Variable.h"

namespace platform::layout {

Variable::Variable(std::string name) : m_data(std::make_shared<Data>())
{
    m_data->name = std::move(name);
}

} // namespace platform::layout
