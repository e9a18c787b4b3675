// The workbench's two charts drawn with Apache ECharts (vendor/echarts.common.min.js,
// loaded when a chart is first drawn, so the first result does not wait for it): the inductance against DC current with the
// operating point and the zero-bias line, and the permeability against field
// strength on a logarithmic axis. Shown with the SVG renderer; saved as SVG
// from it, or as PNG from a canvas copy of the same chart.

// A round upper end for an axis starting at 0: 1, 2 or 5 times a power of ten.
export function niceCeiling(v) {
  if (!(v > 0)) return 1;
  const decade = 10 ** Math.floor(Math.log10(v));
  for (const step of [1, 2, 5, 10]) if (v <= step * decade) return step * decade;
  return 10 * decade;
}

let charting = null;

// The charting library (a classic script defining the global echarts), loaded once.
export function loadCharting() {
  charting ??= new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'vendor/echarts.common.min.js';
    script.onload = () => resolve(globalThis.echarts);
    script.onerror = () => {
      charting = null;
      reject(new Error('无法载入图表程序'));
    };
    document.head.append(script);
  });
  return charting;
}

const RED = '#d62728';
const BLUE = '#1f77b4';
const ORANGE = '#ff7f0e';
const FONT = '"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", "PingFang SC", sans-serif';

function base(xName, yName) {
  return {
    animation: false,
    textStyle: { fontFamily: FONT },
    aria: { enabled: true },
    grid: { left: 56, right: 20, top: 16, bottom: 84 },
    legend: { bottom: 0 },
    tooltip: { trigger: 'item' },
    xAxis: { name: xName, nameLocation: 'middle', nameGap: 28 },
    yAxis: { name: yName, nameLocation: 'middle', nameGap: 42 },
  };
}

export function inductanceOption(chart) {
  const to = chart.curve.length ? chart.curve[chart.curve.length - 1][0] : 1;
  const option = base('直流电流 (A)', '电感量 (μH)');
  option.xAxis = { ...option.xAxis, type: 'value', min: 0, max: to > 0 ? to : 1 };
  option.yAxis = { ...option.yAxis, type: 'value', min: 0, max: niceCeiling(chart.zeroBias * 1.05) };
  option.series = [
    { name: '电感量', type: 'line', data: chart.curve, showSymbol: false, lineStyle: { width: 2, color: BLUE },
      itemStyle: { color: BLUE } },
    { name: '零偏置电感量', type: 'line', data: [[0, chart.zeroBias], [to, chart.zeroBias]], showSymbol: false,
      lineStyle: { type: 'dashed', color: '#888', width: 1.5 }, itemStyle: { color: '#888' } },
    { name: '工作点', type: 'scatter', data: [chart.operating], symbolSize: 11, itemStyle: { color: RED },
      markLine: { silent: true, symbol: 'none', lineStyle: { color: RED, type: 'dotted' }, label: { show: false },
        data: [{ xAxis: chart.operating[0] }] } },
  ];
  return option;
}

export function permeabilityOption(chart) {
  // Points outside the axis would stretch a logarithmic axis past its range.
  const shown = chart.points.filter(([h]) => h >= chart.fieldFrom && h <= chart.fieldTo);
  const top = Math.max(100, ...chart.points.map(([, p]) => p));
  const option = base('磁场强度 (Oe)', '磁导率保持 (%)');
  option.xAxis = { ...option.xAxis, type: 'log', logBase: 10, min: chart.fieldFrom, max: chart.fieldTo,
    minorTick: { show: true, splitNumber: 9 }, minorSplitLine: { show: true, lineStyle: { color: '#f0f0f0' } } };
  option.yAxis = { ...option.yAxis, type: 'value', min: 0, max: Math.ceil(top / 10) * 10 };
  option.series = [
    { name: '计算取值', type: 'line', data: chart.lookedUp, showSymbol: false, lineStyle: { width: 2, color: ORANGE },
      itemStyle: { color: ORANGE } },
    { name: '曲线数据点', type: 'scatter', data: shown, symbolSize: 7, itemStyle: { color: BLUE } },
    { name: '工作磁场', type: 'scatter', data: [chart.operating], symbolSize: 11, itemStyle: { color: RED } },
  ];
  return option;
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
