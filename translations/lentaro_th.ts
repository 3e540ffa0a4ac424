<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="th_TH">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lentaro [options]
Lentaro converts a length between inch, millimetre, centimetre and mil.

Options:
  -h, --help     Show this help.
  -v, --version  Show the version.
</source>
        <translation>วิธีใช้: lentaro [ตัวเลือก]
Lentaro แปลงความยาวระหว่างนิ้ว มิลลิเมตร เซนติเมตร และมิล

ตัวเลือก:
  -h, --help     แสดงวิธีใช้นี้
  -v, --version  แสดงรุ่นของโปรแกรม
</translation>
    </message>
    <message>
        <source>lentaro: cannot write to standard output: %1
</source>
        <translation>lentaro: เขียนออกทางเอาต์พุตมาตรฐานไม่ได้: %1
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ไม่รับอาร์กิวเมนต์ &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>lentaro: cannot open its windows: the Windows platform plugin could not start.
</source>
        <translation>lentaro: เปิดหน้าต่างไม่ได้: ปลั๊กอินแพลตฟอร์มของ Windows เริ่มทำงานไม่ได้
</translation>
    </message>
    <message>
        <source>lentaro: cannot open a display. Lentaro is a desktop program: run it in a graphical session (X11 or Wayland), or set DISPLAY to an X server.
</source>
        <translation>lentaro: เปิดจอแสดงผลไม่ได้ Lentaro เป็นโปรแกรมเดสก์ท็อป: ให้เรียกใช้ในเซสชันกราฟิก (X11 หรือ Wayland) หรือตั้ง DISPLAY ให้ชี้ไปยังเซิร์ฟเวอร์ X
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Result</source>
        <translation>ผลลัพธ์</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>หน่วย</translation>
    </message>
    <message>
        <source>Convert </source>
        <translation>แปลงหน่วย </translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>ใส่ค่า</translation>
    </message>
    <message>
        <source>Not pasted: more than %1 characters</source>
        <translation>ไม่ได้วาง: ยาวเกิน %1 ตัวอักษร</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>ค่าที่จะแปลง</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ล้าง</translation>
    </message>
    <message>
        <source>File</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>ดูบันทึก</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>ล้างบันทึก</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; cannot be opened.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;ไม่มีวิธีใช้ให้ดู&lt;/h2&gt;&lt;p&gt;เปิดแฟ้มวิธีใช้ &lt;b&gt;%1&lt;/b&gt; ไม่ได้&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>%1 Help</source>
        <translation>วิธีใช้ %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ไม่รู้จักตัวเลือก &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ไม่รู้จักตัวเลือก: %1</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>คัดลอกที่อยู่ลิงก์(&amp;L)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow: the number is too large. Lentaro takes values up to about 3.4 x 10^38.</source>
        <translation>ตัวเลขล้น: ตัวเลขมากเกินไป Lentaro รับค่าได้ถึงประมาณ 3.4 x 10^38</translation>
    </message>
    <message>
        <source>Choose a conversion first.</source>
        <translation>โปรดเลือกการแปลงหน่วยก่อน</translation>
    </message>
</context>
<context>
    <name>frmabout</name>
    <message>
        <source>Author : The Lentaro developers</source>
        <translation>ผู้เขียน : คณะผู้พัฒนา Lentaro</translation>
    </message>
    <message>
        <source>E-mail : lentaro@example.org</source>
        <translation>อีเมล : lentaro@example.org</translation>
    </message>
    <message>
        <source>Homepage : lentaro.example.org</source>
        <translation>เว็บไซต์ : lentaro.example.org</translation>
    </message>
    <message>
        <source>โปรแกรม Lentaro Version %1</source>
        <translation>โปรแกรม Lentaro รุ่น %1</translation>
    </message>
</context>
<context>
    <name>frmviewrec</name>
    <message>
        <source>Recoard</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Clear Record</source>
        <translation>ล้างบันทึก</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ออก(&amp;E)</translation>
    </message>
    <message>
        <source>Memory -&gt;</source>
        <translation>ความจำ -&gt;</translation>
    </message>
    <message>
        <source>%1 of %2 record slots left</source>
        <translation>เหลือที่บันทึก %1 จาก %2 ช่อง</translation>
    </message>
    <message>
        <source>Memory: %1</source>
        <translation>ความจำ: %1</translation>
    </message>
</context>
</TS>
