// One COM pointer for the whole program: the control kit's headers and the hosting headers in
// one file, and what each hands out is win/'s ComPtr. A second pointer type under the same name
// makes this file fail to compile.
#include <type_traits>

#include "com/host/create_object.h"
#include "com/host/event_sink.h"
#include "com/host/hosted_control.h"
#include "com/server/connection_point.h"
#include "com/server/control_library.h"
#include "com/server/control_object.h"
#include "com/server/dispatch.h"
#include "com/server/invisible_ole_object.h"
#include "com/server/type_library.h"
#include "win/com_ptr.h"
#include "win/variant.h"

#ifdef _WRL_CLIENT_H_
#error "a header brought in WRL's ComPtr beside win/com_ptr.h"
#endif

namespace corvana::com {

static_assert(std::is_same_v<decltype(&LoadModuleTypeLib), HRESULT (*)(ComPtr<ITypeLib>&)>);
static_assert(std::is_same_v<decltype(&LoadModuleTypeInfo), HRESULT (*)(REFGUID, ComPtr<ITypeInfo>&)>);
static_assert(std::is_same_v<decltype(ControlTypeInfo::dispatch), ComPtr<ITypeInfo>>);
static_assert(std::is_same_v<decltype(&FindDefaultSource), HRESULT (*)(IUnknown*, IID&, ComPtr<ITypeInfo>&)>);
static_assert(std::is_same_v<decltype(CreateObject(std::string())), ComPtr<IDispatch>>);
static_assert(std::is_same_v<decltype(Variant().asDispatch()), ComPtr<IDispatch>>);

}  // namespace corvana::com
