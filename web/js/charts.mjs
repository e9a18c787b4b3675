// The workbench's two charts drawn with Apache ECharts (vendor/echarts.common.min.js,
// loaded when a chart is first drawn, so the first result does not wait for it):
// the inductance against DC current with the operating point, the zero-bias
// line and the currents a ripple sweeps, and the permeability against field
// strength on a logarithmic axis. Everything they show comes from the library:
// the points, the axes with their ticks and labels, the axis titles, the
// series' names and the title. Shown with the SVG renderer; saved as SVG from
// it, or as PNG from a canvas copy of the same chart.

import { say } from './language.mjs';

let charting = null;

// The charting library (a classic script defining the global echarts), loaded once.
export function loadCharting() {
  charting ??= new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'vendor/echarts.common.min.js';
    script.onload = () => resolve(globalThis.echarts);
    script.onerror = () => {
      charting = null;
      reject(new Error(say('page.cannotLoadCharts')));
    };
    document.head.append(script);
  });
  return charting;
}

const RED = '#d62728';
const BLUE = '#1f77b4';
const BAND = 'rgba(31, 119, 180, 0.19)';
const ORANGE = '#ff7f0e';
const FONT = '"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", "PingFang SC", sans-serif';

// An axis with the library's ticks, each labelled as the library wrote it.
function ticked(ticks) {
  const labels = new Map(ticks);
  const values = ticks.map(([value]) => value);
  return {
    axisTick: { customValues: values },
    axisLabel: { customValues: values, formatter: (value, index) => labels.get(value) ?? ticks[index]?.[1] ?? '' },
  };
}

function linear(name, axis) {
  return { type: 'value', name, nameLocation: 'middle', min: 0, max: axis.top, ...ticked(axis.ticks) };
}

function base(title) {
  return {
    animation: false,
    textStyle: { fontFamily: FONT },
    aria: { enabled: true },
    title: { text: title, left: 'center', top: 4, textStyle: { fontSize: 13, fontWeight: 600 } },
    grid: { left: 64, right: 22, top: 36, bottom: 84 },
    legend: { bottom: 0 },
    tooltip: { trigger: 'item' },
  };
}

// `texts` the library's names for the chart (workbenchTexts().inductanceChart).
export function inductanceOption(chart, texts, title) {
  const option = base(title);
  option.xAxis = { ...linear(texts.xAxis, chart.currentAxis), nameGap: 28 };
  option.yAxis = { ...linear(texts.yAxis, chart.inductanceAxis), nameGap: 46 };
  const end = chart.curve.length ? chart.curve[chart.curve.length - 1][0] : chart.currentAxis.top;
  option.series = [
    { name: texts.curve, type: 'line', data: chart.curve, showSymbol: false, lineStyle: { width: 2, color: BLUE },
      itemStyle: { color: BLUE } },
    { name: texts.reference, type: 'line', data: [[0, chart.zeroBias], [end, chart.zeroBias]], showSymbol: false,
      lineStyle: { type: 'dashed', color: '#888', width: 1.5 }, itemStyle: { color: '#888' } },
    { name: texts.operating, type: 'scatter', data: [chart.operating], symbolSize: 11, itemStyle: { color: RED },
      markLine: { silent: true, symbol: 'none', lineStyle: { color: RED, type: 'dotted' }, label: { show: false },
        data: [{ xAxis: chart.operating[0] }] } },
  ];
  // The currents a ripple sweeps, named in the legend only while drawn.
  if (chart.rippleBand) {
    option.series.unshift({
      name: texts.band, type: 'line', data: [], legendIcon: 'rect', itemStyle: { color: BAND }, lineStyle: { width: 8, color: BAND },
      markArea: { silent: true, itemStyle: { color: BAND }, data: [[{ xAxis: chart.rippleBand[0] }, { xAxis: chart.rippleBand[1] }]] },
    });
  }
  return option;
}

export function permeabilityOption(chart, texts, title) {
  const option = base(title);
  option.xAxis = { type: 'log', logBase: 10, name: texts.xAxis, nameLocation: 'middle', nameGap: 28,
    min: chart.fieldFrom, max: chart.fieldTo, ...ticked(chart.fieldTicks),
    minorTick: { show: true, splitNumber: 9 }, minorSplitLine: { show: true, lineStyle: { color: '#f0f0f0' } } };
  option.yAxis = { ...linear(texts.yAxis, chart.percentAxis), nameGap: 46 };
  option.series = [
    { name: texts.curve, type: 'line', data: chart.lookedUp, showSymbol: false, lineStyle: { width: 2, color: ORANGE },
      itemStyle: { color: ORANGE } },
    { name: texts.reference, type: 'scatter', data: chart.points, symbolSize: 7, itemStyle: { color: BLUE } },
    { name: texts.operating, type: 'scatter', data: [chart.operating], symbolSize: 11, itemStyle: { color: RED } },
  ];
  return option;
}

// A chart as an SVG document of the given size, drawn off screen (for the report).
export async function svgOf(option, width, height) {
  const echarts = await loadCharting();
  const view = echarts.init(null, null, { renderer: 'svg', ssr: true, width, height });
  try {
    view.setOption(option);
    return view.renderToSVGString();
  } finally {
    view.dispose();
  }
}

// One chart in its box; drawn once the box is on screen (a hidden tab has no size).
export class Chart {
  constructor(element) {
    this.element = element;
    this.option = null;
    this.view = null;
  }

  show(option) {
    this.option = option;
    this.draw();
  }

  clear() {
    this.option = null;
    if (this.view) this.view.clear();
  }

  async draw() {
    if (!this.option || this.element.offsetWidth === 0) return;
    const echarts = await loadCharting();
    if (!this.option) return;  // cleared meanwhile
    if (!this.view) this.view = echarts.init(this.element, null, { renderer: 'svg' });
    this.view.setOption(this.option, true);
    this.view.resize();
  }

  // The chart as a file's bytes: SVG from the view itself, PNG from a canvas
  // copy twice the size on white.
  async blob(type) {
    if (!this.option) return null;
    const width = Math.max(this.element.offsetWidth, 640);
    const height = Math.max(this.element.offsetHeight, 400);
    if (type === 'svg') {
      await this.draw();
      return new Blob([this.view.renderToSVGString()], { type: 'image/svg+xml' });
    }
    const box = document.createElement('div');
    box.style.cssText = `position:fixed;left:-10000px;top:0;width:${width}px;height:${height}px`;
    document.body.append(box);
    const copy = (await loadCharting()).init(box, null, { renderer: 'canvas', width, height });
    try {
      copy.setOption(this.option);
      const url = copy.getDataURL({ type: 'png', pixelRatio: 2, backgroundColor: '#fff' });
      return await (await fetch(url)).blob();
    } finally {
      copy.dispose();
      box.remove();
    }
  }
}
