#!/usr/bin/env python3
"""Writes places.tsv from the map files of the Apache ECharts 4.9.0 npm package.

Usage: make_places.py PACKAGE_DIR > places.tsv, where PACKAGE_DIR is the unpacked
package folder (the one holding map/json). See README.md for the source and licence.
"""
import json
import sys

# Map file -> province name as the drop-down shows it, in the usual order of the
# administrative codes.
PROVINCES = [
    ("beijing", "北京"), ("tianjin", "天津"), ("hebei", "河北"), ("shanxi", "山西"),
    ("neimenggu", "内蒙古"), ("liaoning", "辽宁"), ("jilin", "吉林"), ("heilongjiang", "黑龙江"),
    ("shanghai", "上海"), ("jiangsu", "江苏"), ("zhejiang", "浙江"), ("anhui", "安徽"),
    ("fujian", "福建"), ("jiangxi", "江西"), ("shandong", "山东"), ("henan", "河南"),
    ("hubei", "湖北"), ("hunan", "湖南"), ("guangdong", "广东"), ("guangxi", "广西"),
    ("hainan", "海南"), ("chongqing", "重庆"), ("sichuan", "四川"), ("guizhou", "贵州"),
    ("yunnan", "云南"), ("xizang", "西藏"), ("shanxi1", "陕西"), ("gansu", "甘肃"),
    ("qinghai", "青海"), ("ningxia", "宁夏"), ("xinjiang", "新疆"), ("taiwan", "台湾"),
    ("xianggang", "香港"), ("aomen", "澳门"),
]
# Whole-region entries: the four municipalities and the two special regions are one
# place each, at the point the country map gives them.
WHOLE = {"北京", "天津", "上海", "重庆", "香港", "澳门"}
RENAMED = {"那曲地区": "那曲市"}  # a prefecture that became a city after the map was drawn
# The map has no centre point for these; public coordinates of the city seat.
FILLED = {"哈密市": (93.5150, 42.8183), "台北市": (121.5637, 25.0375)}


def load(root, name):
    with open(f"{root}/map/json/{name}.json", encoding="utf-8") as f:
        return json.load(f)["features"]


def main(root):
    country = {f["properties"]["name"]: f["properties"]["cp"] for f in load(root, "china")}
    print("province\tcity\tlongitude\tlatitude")
    for file, province in PROVINCES:
        if province in WHOLE:
            lon, lat = country[province]
            print(f"{province}\t{province}\t{lon:.4f}\t{lat:.4f}")
            continue
        seen = set()
        for feature in load(root, f"province/{file}"):
            city = feature["properties"]["name"]
            cp = feature["properties"].get("cp")
            if province == "台湾":
                if city != "台北市":
                    continue
            city = RENAMED.get(city, city)
            cp = cp or FILLED.get(city)
            if not cp or city in seen:
                continue
            seen.add(city)
            print(f"{province}\t{city}\t{cp[0]:.4f}\t{cp[1]:.4f}")


if __name__ == "__main__":
    main(sys.argv[1])
