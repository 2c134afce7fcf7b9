#include "devices/filter.h"

#include "devices/device_error.h"
#include "devices/filter_graph.h"

namespace quellon {

TFilter::~TFilter() {
  BaseFilter.Clear();
  SetFilterGraph(nullptr);
}

void TFilter::SetFilterGraph(TFilterGraph* graph) {
  if (graph_) graph_->DetachFilter(*this);
  graph_ = graph;
  if (graph_) graph_->AttachFilter(*this);
}

void TFilter::Rebind() {
  if (!graph_) return;
  graph_->DetachFilter(*this);
  graph_->AttachFilter(*this);
}

void TFilter::MakeLiveFilter() {
  live_.reset();
  if (DeviceMoniker* m = BaseFilter.Moniker()) live_ = m->BindToObject();
}

LiveFilter& TFilter::QueryBaseFilter() {
  if (!live_) throw InterfaceNotSupported();
  return *live_;
}

std::unique_ptr<VideoProcAmp> TFilter::QueryProcAmp() {
  auto procamp = live_ ? live_->QueryProcAmp() : nullptr;
  if (!procamp) throw InterfaceNotSupported();
  return procamp;
}

}  // namespace quellon
