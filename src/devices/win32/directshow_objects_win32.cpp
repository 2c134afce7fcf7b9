#include "devices/win32/directshow_objects_win32.h"

#include <memory>

#include "devices/win32/com_text_win32.h"

namespace quellon {
namespace {

class DirectShowProcAmp : public VideoProcAmp {
 public:
  explicit DirectShowProcAmp(ComPtr<IAMVideoProcAmp> procamp) : procamp_(std::move(procamp)) {}
  void Set(int property, int value, int flags) override { procamp_->Set(property, value, flags); }

 private:
  ComPtr<IAMVideoProcAmp> procamp_;
};

}  // namespace

std::optional<std::string> FilterName(IBaseFilter& filter) {
  FILTER_INFO info{};
  if (FAILED(filter.QueryFilterInfo(&info))) return std::nullopt;
  // The call adds a reference to the graph for the caller.
  const ComPtr<IFilterGraph> graph = win32::Adopt(info.pGraph);
  info.achName[MAX_FILTER_NAME - 1] =
      L'\0';  // a filter that fills the buffer gets cut, not overrun
  return WideToAnsi(info.achName);
}

void DirectShowFilter::Stop() {
  filter_->Stop();
}

std::optional<std::string> DirectShowFilter::QueryFilterName() {
  return FilterName(*filter_.Get());
}

std::optional<std::vector<Guid>> DirectShowFilter::PropertyPages() {
  ComPtr<ISpecifyPropertyPages> specify;
  if (FAILED(filter_.As(&specify))) return std::nullopt;
  CAUUID pages{};
  if (FAILED(specify->GetPages(&pages))) return std::nullopt;
  const win32::TaskMem<GUID> elems(pages.pElems);
  std::vector<Guid> out;
  if (elems)
    for (ULONG i = 0; i < pages.cElems; ++i) out.push_back(FromGUID(elems.get()[i]));
  return out;
}

std::unique_ptr<VideoProcAmp> DirectShowFilter::QueryProcAmp() {
  ComPtr<IAMVideoProcAmp> procamp;
  if (FAILED(filter_.As(&procamp))) return nullptr;
  return std::make_unique<DirectShowProcAmp>(std::move(procamp));
}

std::unique_ptr<LiveFilter> DirectShowMoniker::BindToObject() {
  ComPtr<IBaseFilter> filter;
  if (FAILED(moniker_->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                    reinterpret_cast<void**>(filter.GetAddressOf()))) ||
      !filter)
    return nullptr;
  return std::make_unique<DirectShowFilter>(std::move(filter));
}

void DirectShowGraph::AddFilter(LiveFilter& filter, const std::string& name) {
  graph_->AddFilter(static_cast<DirectShowFilter&>(filter).get(), AnsiToWide(name).c_str());
}

void DirectShowGraph::RemoveFilter(LiveFilter& filter) {
  graph_->RemoveFilter(static_cast<DirectShowFilter&>(filter).get());
}

std::vector<std::string> DirectShowGraph::FilterNames() {
  std::vector<std::string> names;
  ComPtr<IEnumFilters> filters;
  if (FAILED(graph_->EnumFilters(&filters)) || !filters) return names;
  ComPtr<IBaseFilter> f;
  // An enumerator that reports a filter and hands over none ends the walk.
  while (filters->Next(1, f.ReleaseAndGetAddressOf(), nullptr) == S_OK && f)
    names.push_back(FilterName(*f.Get()).value_or(""));
  return names;
}

}  // namespace quellon
