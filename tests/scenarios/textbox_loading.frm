VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Loading
   Caption         =   "Loading"
   ClientHeight    =   3000
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   4500
   Begin OpalineKit.txt_Opaline_opal Both
      Height          =   315
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2070
      Enabled         =   -1  'True
      Text            =   "Alt"
      ReturnText      =   "Neu"
   End
   Begin OpalineKit.txt_Opaline_opal TextOnly
      Height          =   315
      Left            =   150
      TabIndex        =   1
      Top             =   600
      Width           =   2070
      Enabled         =   -1  'True
      Text            =   "Nur Text"
   End
   Begin OpalineKit.txt_Opaline_opal Neither
      Height          =   315
      Left            =   150
      TabIndex        =   2
      Top             =   1050
      Width           =   2070
      Enabled         =   -1  'True
   End
   Begin OpalineKit.txt_Opaline_opal NoFlags
      Height          =   500
      Left            =   150
      TabIndex        =   3
      Top             =   1500
      Width           =   100
      ReturnText      =   "Hallo"
   End
   Begin OpalineKit.txt_Opaline_opal Selection
      Height          =   315
      Left            =   150
      TabIndex        =   4
      Top             =   1950
      Width           =   2070
      Enabled         =   -1  'True
      SelLength       =   3
      SelStart        =   2
      SelText         =   "xy"
      ReturnText      =   "Ende"
   End
End
